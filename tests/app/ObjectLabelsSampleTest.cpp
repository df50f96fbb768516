// The labels of placed teeth and library meshes on the sample project: the
// kinds' label commands reach every representation and come back with the
// next project; the text profiles box the ruler measures and object labels.
#include <vtkCubeSource.h>
#include <vtkNew.h>
#include <vtkPolyData.h>

#include <optional>
#include <string>

#include "SampleProjectFixture.h"
#include "app/QlmConfig.h"
#include "app/QlmConfigFile.h"
#include "libraries/vtkGeomsLib.h"
#include "objects/CQlmDentes.h"
#include "objects/CQlmGeom3D.h"
#include "objects/CQlmGeomAxial.h"
#include "objects/CQlmGeoms.h"
#include "objects/CQlmRuller.h"
#include "objects/CQlmRullers.h"
#include "toolkit/vtkGeomCutter.h"
#include "toolkit/vtkRullerSource.h"
#include "toolkit/vtkWin32TextMapper2.h"
#include "views/CDialogIndicators.h"

namespace {

using Kind = CQlmQuorvantile::LibraryKind;
constexpr const char* ItemName = "Coroa";

class ObjectLabelsSampleTest : public SampleProjectFixture {
protected:
  // An item "Coroa", a 6 mm cube, in the teeth and in the mesh library in use of `q`.
  static void PutLibraryItems(CQlmQuorvantile& q) {
    for (Kind kind : {Kind::Teeth, Kind::Meshes}) {
      auto* library = vtkGeomsLib::SafeDownCast(q.Libraries[kind]);
      ASSERT_NE(library, nullptr);
      library->Clear();
      library->Name = LibraryName(kind);
      library->Identifier = " 7";
      vtkNew<vtkCubeSource> cube;
      cube->SetXLength(6);
      cube->SetYLength(6);
      cube->SetZLength(6);
      cube->Update();
      vtkNew<vtkGeom> item;
      item->Name = ItemName;
      item->LibraryName = library->Name;
      item->LibraryId = library->Identifier;
      item->Mesh->DeepCopy(cube->GetOutput());
      library->Items->AddItem(item);
    }
  }
  static const char* LibraryName(Kind kind) { return kind == Kind::Teeth ? "Dentes Teste" : "Malhas Teste"; }

  // One tooth and one mesh at the panoramic view's centre.
  void PlaceTheObjects() {
    PutLibraryItems(*this->Q);
    const double centre[3] = {0.0, 0.0, 0.0};
    ASSERT_EQ(this->Q->DentesContainer->AddTooth(this->Q->WindowPanoramic, centre, LibraryName(Kind::Teeth), " 7",
                                                 ItemName, 0, -1),
              1);
    ASSERT_EQ(this->Q->GeomsContainer->AddObject(this->Q->WindowPanoramic, centre, LibraryName(Kind::Meshes), " 7",
                                                 ItemName, 0, -1),
              1);
  }

  static std::optional<std::string> Setting(const char* key) { return QlmConfigFile::ReadValue(key); }

  // What the first object of a container shows: the 3D label and its axial cut's label.
  struct Labels {
    std::string Text3D;
    int Shown3D, ShownAxial, ModeAxial, FontAxial, Box3D, BoxAxial;
  };
  static Labels LabelsOf(const CQlmGeomContainer& objects) {
    CQlmGeom3D* object = objects.GetList3D()->GetListItemAt(0);
    CQlmGeomAxial* axial = objects.GetListAxial()->GetListItemAt(0);
    vtkGeomCutter* cutter = axial->GetCutter();
    return {object->GetLabelMapper()->GetInput(),         object->GetLabelVisible(),
            axial->GetLabelVisible(),                     cutter->GetLabelMode(),
            cutter->GetFontSize(),                        object->GetLabelMapper()->GetBackground(),
            cutter->GetTextMapper()->GetBackground()};
  }
};

TEST_F(ObjectLabelsSampleTest, TheKindsLabelChoicesReachTheirObjectsAndTheNextProject) {
  if (!this->Opened()) return;
  this->PlaceTheObjects();
  CMainFrame& frame = *this->Frame;
  frame.RunCommand(33238);  // teeth "Nome"
  frame.RunCommand(33244);  // teeth "Grande"
  Labels teeth = LabelsOf(*this->Q->DentesContainer);
  EXPECT_EQ(teeth.Text3D, ItemName);
  EXPECT_EQ(teeth.ModeAxial, 1);
  EXPECT_EQ(teeth.FontAxial, 18);
  EXPECT_EQ(Setting("Dentes_ Advan: "), "1;18");

  // "Nenhum" hides and writes nothing; a font change keeps the labels hidden and the stored mode.
  this->Q->Modified = 0;
  frame.RunCommand(33248);  // meshes "Nenhum"
  EXPECT_EQ(Setting("Geometr Advan: "), std::nullopt);
  EXPECT_EQ(this->Q->Modified, 0);
  frame.RunCommand(33249);  // meshes "Pequeno"
  Labels meshes = LabelsOf(*this->Q->GeomsContainer);
  EXPECT_EQ(meshes.Shown3D, 0);
  EXPECT_EQ(meshes.ShownAxial, 0);
  EXPECT_EQ(meshes.FontAxial, 7);
  EXPECT_EQ(Setting("Geometr Advan: "), "0;7");
  EXPECT_EQ(this->Q->Modified, 1);

  const std::string path = this->Files.File("Rotulos.qlm");
  ASSERT_EQ(this->Q->SaveProject(CString(path), "Rotulos.qlm"), 1);
  this->Frame.reset();
  ControllerReady = [](CQlmQuorvantile& q) { PutLibraryItems(q); };
  this->Frame = Start(path);
  this->Q = this->Frame->GetController();
  ASSERT_EQ(this->Q->ProjectOpen, 1);
  ASSERT_EQ(this->Q->DentesContainer->GetCount(), 1);
  ASSERT_EQ(this->Q->GeomsContainer->GetCount(), 1);
  teeth = LabelsOf(*this->Q->DentesContainer);
  EXPECT_EQ(teeth.Text3D, ItemName);
  EXPECT_EQ(teeth.ModeAxial, 1);
  EXPECT_EQ(teeth.FontAxial, 18);
  // The hidden state was not kept.
  meshes = LabelsOf(*this->Q->GeomsContainer);
  EXPECT_EQ(meshes.Shown3D, 1);
  EXPECT_EQ(meshes.ShownAxial, 1);
  EXPECT_EQ(meshes.ModeAxial, 0);
  EXPECT_EQ(meshes.FontAxial, 7);

  this->Frame->RunCommand(33239);  // teeth "Index"
  EXPECT_EQ(Setting("Dentes_ Advan: "), "0;18");
  EXPECT_EQ(LabelsOf(*this->Q->DentesContainer).Text3D, "1");
}

TEST_F(ObjectLabelsSampleTest, TheTextProfilesBoxTheRulerMeasuresAndTheObjectLabels) {
  if (!this->Opened()) return;
  this->PlaceTheObjects();
  CQlmQuorvantile& q = *this->Q;
  CQlmRuller* ruller = q.Rullers->AddRuller(q.WindowAxial, 0, 0);
  ASSERT_NE(ruller, nullptr);
  const struct {
    int Profile, Backgrounds, RulerBoxes, LabelBoxes;
    int Uniform, RulerBoxed, LabelsBoxed;
  } cases[] = {
      {1, 1, 1, 1, 1, 1, 1},
      // "Fundo" off: the boxes are stored, not applied; the profile takes the rulers' boxes off, the
      // teeth and meshes keep theirs.
      {1, 0, 0, 0, 1, 0, 1},
      {0, 1, 0, 1, 0, 0, 1},
      {0, 1, 1, 0, 0, 1, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "profile " << c.Profile << " backgrounds " << c.Backgrounds << " rulers "
                                    << c.RulerBoxes << " labels " << c.LabelBoxes);
    CDialog::ModalHook previous = CDialog::SetModalHook([&c](CDialog& dialog) {
      auto& options = dynamic_cast<CDialogIndicators&>(dialog);
      options.Profile = c.Profile;
      options.Backgrounds = c.Backgrounds;
      options.RulerMeasuresBackground = c.RulerBoxes;
      options.ImplantLabelsBackground = c.LabelBoxes;
      return INT_PTR(IDOK);
    });
    this->Frame->RunCommand(32882);  // "Avançado"
    CDialog::SetModalHook(previous);

    EXPECT_EQ(q.Rullers->GetUniformColor(), c.Uniform);
    EXPECT_EQ(ruller->GetUniformColor(), c.Uniform);
    EXPECT_EQ(ruller->GetSource()->GetTextMapper()->GetBackground(), c.RulerBoxed);
    for (const CQlmGeomContainer* objects :
         {static_cast<CQlmGeomContainer*>(q.DentesContainer), static_cast<CQlmGeomContainer*>(q.GeomsContainer)}) {
      const Labels labels = LabelsOf(*objects);
      EXPECT_EQ(labels.Box3D, c.LabelsBoxed);
      EXPECT_EQ(labels.BoxAxial, c.LabelsBoxed);
    }
    int stored[18];
    ASSERT_EQ(ReadConfigIndicatorsAdvanced(stored), 1);
    EXPECT_EQ(stored[15], c.Backgrounds);
    EXPECT_EQ(stored[16], c.RulerBoxes);
    EXPECT_EQ(stored[17], c.LabelBoxes);
  }
}

}  // namespace
