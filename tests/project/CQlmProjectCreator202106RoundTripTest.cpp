// A project holding one of every object the 800901 file carries, read into a
// controller and written again: a second read and write gives the same bytes,
// a cut or changed file is refused with the controller untouched.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "CreatorTest.h"
#include "ProjectFixtures.h"
#include "QlmBytes.h"
#include "ReportFixtures.h"
#include "app/CQlmQuorvantile.h"
#include "libraries/vtkEndoImpLib.h"
#include "libraries/vtkImplantLib.h"
#include "libraries/vtkOrtoImpLib.h"
#include "objects/CQlmDentes.h"
#include "objects/CQlmEndoImps.h"
#include "objects/CQlmGeom3D.h"
#include "objects/CQlmGeoms.h"
#include "objects/CQlmImplant3D.h"
#include "objects/CQlmImplants.h"
#include "objects/CQlmNerves.h"
#include "objects/CQlmOrtoImps.h"
#include "objects/CQlmRullers.h"
#include "output/CQlmPrintPreview.h"
#include "project/CQlmRequestInfo.h"
#include "project/CQlmVolumeAttachmentList.h"

using namespace ProjectFixtures;

namespace {

using QlmBytes::ReadFile;

// The implant library in use "Atual" (" 11": "Cone 4.0", component "Reto"),
// the orthodontic library in use "Orto A" (" 3": "Braquete", five sections),
// the endodontic library in use "Endo A" (" 9": "Lima", two sections), the
// mesh library in use "Malhas" (" 5": "Barra") and the teeth library in use
// "Dentes A" (" 11": "Incisivo", "Canino").
class ProjectRoundTripTest : public CreatorTest {
protected:
  void SetUp() override {
    CreatorTest::SetUp();
    CQlmQuorvantile& q = *this->Controller;
    auto* implants = vtkImplantLib::SafeDownCast(q.Libraries[CQlmQuorvantile::Implants]);
    auto* meshes = vtkGeomsLib::SafeDownCast(q.Libraries[CQlmQuorvantile::Meshes]);
    auto* teeth = vtkGeomsLib::SafeDownCast(q.Libraries[CQlmQuorvantile::Teeth]);
    auto* orthodontic = vtkOrtoImpLib::SafeDownCast(q.Libraries[CQlmQuorvantile::Orthodontic]);
    auto* endodontic = vtkEndoImpLib::SafeDownCast(q.Libraries[CQlmQuorvantile::Endodontic]);
    ASSERT_TRUE(implants && meshes && teeth && orthodontic && endodontic);
    implants->Name = "Atual", implants->Identifier = " 11";
    PutImplantItem(implants->Implants, "Cone 4.0", 4.0f, 11.5f);
    PutImplantItem(implants->Components, "Reto", 0.0f, 6.0f);
    meshes->Name = "Malhas", meshes->Identifier = " 5";
    PutLibraryItem<vtkGeom>(meshes, "Barra", 0.75f);
    teeth->Name = "Dentes A", teeth->Identifier = " 11";
    PutLibraryItem<vtkGeom>(teeth, "Incisivo", 1.0f);
    PutLibraryItem<vtkGeom>(teeth, "Canino", 0.5f);
    orthodontic->Name = "Orto A", orthodontic->Identifier = " 3";
    PutMultiPartItem<vtkOrtoImplant>(orthodontic, "Braquete", 0.7f, {"Base", "Aleta", "Gancho", "Tubo", "Fio"});
    endodontic->Name = "Endo A", endodontic->Identifier = " 9";
    PutMultiPartItem<vtkEndoImplant>(endodontic, "Lima", 0.9f, {"K", "H"});
    for (CStringArray& names : q.LibraryNames) names.RemoveAll();
  }

  // Everything of FillRichProject, a generic implant, library implants with
  // a library component and with "Standard", an orthodontic object of five
  // parts (other variants, colours and visibility than the item's), two
  // endodontic objects, a library mesh, two teeth and a ruler in each 2D view.
  static void FillAllObjects(CQlmProjectData& data) {
    FillRichProject(data);
    data.Orthodontic = {MultiPart(7, "Orto A", " 3", "Braquete", {"Base2", "Aleta1", "Gancho2", "Tubo1", "Fio2"})};
    data.Endodontic = {MultiPart(8, "Endo A", " 9", "Lima", {"K2", "H1"}),
                       MultiPart(9, "Endo A", " 9", "Lima", {"K1", "H2"})};
    data.Implants = {Implant(1), LibraryImplantRecord(2, "Atual", " 11", "Cone 4.0", "Reto"),
                     LibraryImplantRecord(3, "Atual", " 11", "Cone 4.0", "Standard")};
    data.LibraryMeshes = {LibraryObject(4, "Malhas", " 5", "Barra")};
    data.Teeth = {LibraryObject(5, "Dentes A", " 11", "Canino"), LibraryObject(6, "Dentes A", " 11", "Incisivo")};
    CQlmRullerRecord panoramic;
    panoramic.Point1[0] = -6.5f;
    panoramic.Point2[2] = 9.0f;
    panoramic.Slice = 3;
    data.RulersPanoramic = {panoramic};
  }

  // The bytes of the project read and written once by the program.
  Bytes WrittenOnce() {
    CQlmProjectData data;
    FillAllObjects(data);
    EXPECT_EQ(this->Open(this->SaveInFolder(data, "Todos.qlm")), 1);
    const std::string path = this->Folder.File("Lido.qlm");
    EXPECT_EQ(this->Save(path), 1);
    this->ReplaceController();
    return ReadFile(path);
  }

  // Offset of the implant count in a file of FillAllObjects.
  static size_t ImplantCount(const CQlmProjectData& data) {
    size_t at = 12 + 4 + static_cast<size_t>(data.MainVolumeBlock->GetNumberOfValues()) +
                Stored(data.AttachmentsA).size() + 4;
    at += 4 + static_cast<size_t>(data.SecondVolumeBlock->GetNumberOfValues()) + Stored(data.AttachmentsB).size() + 4;
    at += 4;
    for (const CQlmGeometryRecord& record : data.Geometries) at += Stored(record).size();
    return at + 4 + static_cast<size_t>(data.GeometryBlock->GetNumberOfValues());
  }
};

}  // namespace

TEST_F(ProjectRoundTripTest, EveryObjectIsReadAndWrittenAgainByteForByteNumberedInFileOrder) {
  CQlmProjectData source;
  FillAllObjects(source);
  const std::string first = this->SaveInFolder(source, "Todos.qlm");
  ASSERT_EQ(this->Open(first), 1);
  EXPECT_TRUE(this->Prompter.Messages.empty());

  CQlmQuorvantile& q = *this->Controller;
  ASSERT_EQ(q.ImplantContainer->GetCount(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(q.ImplantContainer->GetList3D()->GetListItemAt(i)->GetNumber(), i + 1);
  EXPECT_EQ(q.ImplantContainer->GetList3D()->GetListItemAt(1)->ComponentName, "Reto");
  EXPECT_EQ(q.ImplantContainer->GetList3D()->GetListItemAt(2)->ComponentName, "Standard");
  ASSERT_EQ(q.OrtoImpsContainer->GetCount(), 1);
  const CQlmMultiPart3D& bracket = *q.OrtoImpsContainer->GetList3D()->GetListItemAt(0);
  EXPECT_EQ(bracket.GetNumber(), 1);
  ASSERT_EQ(bracket.GetPartCount(), 5);
  for (int slot = 0; slot < 5; ++slot) {
    const CQlmMultiPartRecord::Part& part = source.Orthodontic[0].Parts[slot];
    EXPECT_EQ(bracket.GetPartName(slot), part.SectionName);
    EXPECT_EQ(bracket.GetPartColor(slot)[1], part.Color[1]);
    EXPECT_EQ(bracket.GetPartVisible(slot), part.Visible);
  }
  ASSERT_EQ(q.EndoImpsContainer->GetCount(), 2);
  EXPECT_EQ(q.EndoImpsContainer->GetList3D()->GetListItemAt(1)->GetNumber(), 2);
  EXPECT_EQ(q.EndoImpsContainer->GetList3D()->GetListItemAt(1)->GetPartName(1), "H2");
  ASSERT_EQ(q.GeomsContainer->GetCount(), 1);
  EXPECT_EQ(q.GeomsContainer->GetList3D()->GetListItemAt(0)->GetNumber(), 1);
  ASSERT_EQ(q.DentesContainer->GetCount(), 2);
  EXPECT_EQ(q.DentesContainer->GetList3D()->GetListItemAt(0)->GetName(), "Canino");
  EXPECT_EQ(q.DentesContainer->GetList3D()->GetListItemAt(0)->GetNumber(), 1);
  EXPECT_EQ(q.DentesContainer->GetList3D()->GetListItemAt(1)->GetNumber(), 2);
  EXPECT_EQ(q.NerveContainer->GetCount(), 2);
  EXPECT_EQ(q.Rullers->GetList3D()->GetCount(), 2);
  EXPECT_EQ(q.Rullers->GetListAxial()->GetCount(), 1);
  EXPECT_EQ(q.Rullers->GetListPanoramic()->GetCount(), 1);
  EXPECT_EQ(q.Rullers->GetListCross()->GetCount(), 2);
  EXPECT_EQ(q.RequestInfo->Texts[0], "José da Silva");
  EXPECT_EQ(q.Notes, source.Notes);
  EXPECT_EQ(q.PrintPreview->templates.GetCount(), 2);

  const std::string second = this->Folder.File("Segundo.qlm");
  ASSERT_EQ(this->Save(second), 1);
  CQlmProjectData written;
  ASSERT_TRUE(written.Open(second));
  // What the program does not recompute comes back as the file held it.
  const auto sameRecords = [](const auto& a, const auto& b) {
    if (a.size() != b.size()) return false;
    for (size_t k = 0; k < a.size(); ++k) {
      if (Stored(a[k]) != Stored(b[k])) return false;
    }
    return true;
  };
  EXPECT_TRUE(sameRecords(written.Implants, source.Implants));
  EXPECT_TRUE(sameRecords(written.Orthodontic, source.Orthodontic));
  EXPECT_TRUE(sameRecords(written.Endodontic, source.Endodontic));
  EXPECT_TRUE(sameRecords(written.LibraryMeshes, source.LibraryMeshes));
  EXPECT_TRUE(sameRecords(written.Teeth, source.Teeth));
  EXPECT_TRUE(sameRecords(written.Rulers3D, source.Rulers3D));
  // A 2D ruler's last value is the slice its view shows when the file is written.
  for (auto [read, kept] : {std::pair{&written.RulersAxial, &source.RulersAxial},
                            std::pair{&written.RulersPanoramic, &source.RulersPanoramic},
                            std::pair{&written.RulersCross, &source.RulersCross}}) {
    for (size_t k = 0; k < std::min(read->size(), kept->size()); ++k) (*kept)[k].CurrentSlice = (*read)[k].CurrentSlice;
    EXPECT_TRUE(sameRecords(*read, *kept));
  }
  for (int i = 0; i < CQlmRequestInfo::FormCount; ++i) EXPECT_EQ(written.RequestTexts[i], source.RequestTexts[i]);
  EXPECT_EQ(written.Notes, source.Notes);
  EXPECT_EQ(ReportFixtures::Serialized(*written.Report), ReportFixtures::Serialized(*source.Report));

  this->ReplaceController();
  ASSERT_EQ(this->Open(second), 1);
  const std::string third = this->Folder.File("Terceiro.qlm");
  ASSERT_EQ(this->Save(third), 1);
  EXPECT_TRUE(ReadFile(third) == ReadFile(second));
}

// Cut anywhere from the implant count on: refused, nothing taken.
TEST_F(ProjectRoundTripTest, TheFileCutAnywhereAmongItsObjectsIsRefusedWithTheControllerUntouched) {
  const Bytes whole = this->WrittenOnce();
  CQlmProjectData data;
  FillAllObjects(data);
  const size_t implants = ImplantCount(data);
  ASSERT_EQ(PeekInt32(whole, implants), 3);
  const std::string path = this->Folder.File("Cortado.qlm");
  this->Creator->Path = path;
  for (size_t size = implants; size < whole.size(); ++size) {
    QlmBytes::WriteFile(path, Bytes(whole.begin(), whole.begin() + static_cast<long>(size)));
    ASSERT_EQ(this->Creator->Load(), 0) << "cut at " << size;
  }
  this->ExpectNothingOpen();
  EXPECT_TRUE(this->Prompter.Messages.empty());
}

// Any byte from the implant count on changed: read or refused, never a crash or a leak.
TEST_F(ProjectRoundTripTest, SeededMutationsOfTheObjectSectionsAreReadOrRefused) {
  const Bytes whole = this->WrittenOnce();
  CQlmProjectData data;
  FillAllObjects(data);
  const size_t implants = ImplantCount(data);
  this->ExpectMutationsReadOrRefused(whole, implants, whole.size() - implants, 20213,
                                     [this] { this->ExpectNothingOpen(); });
}
