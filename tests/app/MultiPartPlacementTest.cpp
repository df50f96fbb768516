// Endodontic and orthodontic objects of fixture libraries placed on the
// maxillary crowns of the sample project's head CT, as the insert tools
// place them (AddObject at the clicked point, position -1), followed by the
// views, saved and opened again, and listed in the guide file. With
// QLM_MULTIPART_SCREENSHOT set, the main window is saved there afterwards.
#include <vtkActor.h>
#include <vtkCellArray.h>
#include <vtkImageData.h>
#include <vtkMatrix4x4.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkRenderer.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "../objects/FittedMesh.h"
#include "QlmBytes.h"
#include "ReportFixtures.h"
#include "SampleCrowns.h"
#include "SampleProjectFixture.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "libraries/vtkEndoImpLib.h"
#include "libraries/vtkOrtoImpLib.h"
#include "objects/CQlmEndoImps.h"
#include "objects/CQlmImplants.h"
#include "objects/CQlmOrtoImps.h"
#include "project/CQlmGuideFile.h"
#include "toolkit/vtkWin32TextMapper2.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmIndicator.h"

namespace {

using SampleCrowns::Vector;

constexpr const char* PieceMesh = "meshes/pig.stl";

// An item of `library`: a body 5 mm across and 8 mm high, then per section
// its variants 3 mm high (the first 4 mm across, the next 6 mm) stacked on the body.
template <class Item, class Section, class Library>
void PutItem(Library* library, const char* name, const float color[3], int sections) {
  vtkNew<Item> item;
  item->Name = name;
  item->LibraryName = library->Name;
  item->LibraryId = library->Identifier;
  std::copy(color, color + 3, item->Color);
  FitMesh(PieceMesh, 5, 0, 8, item->Mesh);
  for (int k = 0; k < sections; ++k) {
    vtkCollection* position = item->AddPosition();
    for (int variant = 0; variant < 2; ++variant) {
      vtkNew<Section> part;
      part->Name = (std::string(1, char('A' + k)) + std::to_string(variant + 1)).c_str();
      part->Color[0] = 0.3f + 0.2f * k, part->Color[1] = 0.9f - 0.2f * k, part->Color[2] = 1.0f;
      FitMesh(PieceMesh, 4 + 2 * variant, 8 + 3 * k, 11 + 3 * k, part->Mesh);
      position->AddItem(part);
    }
  }
  library->Items->AddItem(item);
}

// "Lima" (three sections) in the endodontic library in use, "Bracket" (two) in the orthodontic one.
void PutFixtureItems(CQlmQuorvantile& q) {
  auto* endo = vtkEndoImpLib::SafeDownCast(q.Libraries[CQlmQuorvantile::Endodontic]);
  auto* orto = vtkOrtoImpLib::SafeDownCast(q.Libraries[CQlmQuorvantile::Orthodontic]);
  ASSERT_NE(endo, nullptr);
  ASSERT_NE(orto, nullptr);
  for (vtkLibrary* library : {static_cast<vtkLibrary*>(endo), static_cast<vtkLibrary*>(orto)}) {
    library->Clear();
    library->Name = "Teste";
    library->Identifier = " 42";
  }
  const float gold[3] = {0.95f, 0.75f, 0.2f}, steel[3] = {0.75f, 0.75f, 0.8f};
  PutItem<vtkEndoImplant, vtkEndoImpSec>(endo, "Lima", gold, 3);
  PutItem<vtkOrtoImplant, vtkOrtoImpSec>(orto, "Bracket", steel, 2);
}

using MultiPartPlacementTest = SampleProjectFixture;

TEST_F(MultiPartPlacementTest, ObjectsPlacedOnTheCrownsFollowTheViews) {
  if (!this->Opened()) return;
  QLM_REQUIRE_TEST_DATA(PieceMesh);
  CQlmQuorvantile& q = *this->Q;
  CQlmEndoImps& endo = *q.EndoImpsContainer;
  CQlmOrtoImps& orto = *q.OrtoImpsContainer;
  EXPECT_EQ(q.PositionListeners[CQlmPositionListener::EndoImps], &endo);
  EXPECT_EQ(q.ArchListeners[CQlmArchListener::OrtoImps], &orto);
  EXPECT_EQ(q.LabelOptions[CQlmQuorvantile::Endodontic], &endo);
  PutFixtureItems(q);
  const float arch = q.PanoramicCalc->GetArchLength();

  // An axial click on a crown, on the crown's slice.
  double enamel = 0.0;
  const Vector crown = SampleCrowns::CrownPoint(q, 0.42f * arch, 0.0, HUGE_VAL, enamel);
  q.AxialView->SetSlice(SampleCrowns::SliceAt(q, crown[2]));
  ASSERT_EQ(endo.AddObject(q.WindowAxial, SampleCrowns::ToPlanning(q, crown).data(), "Teste", " 42", "Lima", 0, -1), 1);
  CQlmEndoImp3D& lima = *endo.GetList3D()->GetListItemAt(0);
  EXPECT_LT(SampleCrowns::DistanceToPlacement(lima, crown), 1.5);
  EXPECT_EQ(lima.GetPartCount(), 3);
  EXPECT_EQ(endo.GetList3D()->GetSelectedIndex(), 0);

  // A panoramic click on the arch's own curve, at another crown's height.
  q.PanoramicView->SetSlice(q.PanoramicCalc->GetMiddleCurve());
  const Vector other = SampleCrowns::CrownPoint(q, 0.58f * arch, crown[2], 4.0, enamel);
  const double along = 0.58 * arch - q.PanoramicCalc->GetCurveLength() / 2;
  const double height = other[2] - QlmPlanningFrame(q.CTData->ImageData).GetCentre()[2];
  const double point[3] = {along, height, 0.0};
  ASSERT_EQ(orto.AddObject(q.WindowPanoramic, point, "Teste", " 42", "Bracket", 0, -1), 1);
  EXPECT_LT(SampleCrowns::DistanceToPlacement(*orto.GetList3D()->GetListItemAt(0), other), 1.5);

  // The views' moves reach every cut of body and parts.
  double bounds[6];
  lima.GetActor(0)->GetBounds(bounds);
  const int partSlice = SampleCrowns::SliceAt(q, (bounds[4] + bounds[5]) / 2);
  q.AxialView->SetSlice(partSlice);
  CQlmEndoImpAxial& axial = *endo.GetListAxial()->GetListItemAt(0);
  EXPECT_EQ(axial.GetAxialIndex(), partSlice);
  axial.GetCutter(0)->Update();
  EXPECT_GT(vtkPolyData::SafeDownCast(axial.GetCutter(0)->GetOutputDataObject(0))->GetNumberOfLines(), 0);
  q.CrossView->SetSlice(q.Indicator->GetCrossIndexAtAxialPoint(SampleCrowns::ToPlanning(q, crown).data()));
  EXPECT_EQ(endo.GetListCross()->GetListItemAt(0)->GetCrossIndex(), q.CTFilter->GetCrossFilter()->GetFirstIndex());
  EXPECT_TRUE(q.Window3D->Renderer3->HasViewProp(lima.GetActor(2)));
  EXPECT_STREQ(axial.GetCutter(2)->GetTextMapper()->GetInput(), "1-3");

  // The label commands of the family's menu, and a part switched to its other variant.
  q.SetEndoLabelName();
  EXPECT_STREQ(lima.GetLabelMapper(1)->GetInput(), "B1");
  ASSERT_EQ(endo.SetPartSection(0, "Teste", " 42", "Lima", 1, "B2"), 1);
  EXPECT_STREQ(lima.GetLabelMapper(1)->GetInput(), "B2");
  EXPECT_STREQ(axial.GetCutter(1)->GetTextMapper()->GetInput(), "B2");
  q.SetEndoLabelIndex();
  EXPECT_STREQ(axial.GetCutter(1)->GetTextMapper()->GetInput(), "1-2");

  if (const char* picture = std::getenv("QLM_MULTIPART_SCREENSHOT")) {
    q.CrossView->SetSlice(q.Indicator->GetCrossIndexAtAxialPoint(SampleCrowns::ToPlanning(q, crown).data()) - 4);
    lima.GetActor()->GetBounds(bounds);
    q.AxialView->SetSlice(SampleCrowns::SliceAt(q, (bounds[4] + bounds[5]) / 2));
    EXPECT_TRUE(this->SaveWindow(picture)) << picture;
  }
}

// Objects with a part switched to another variant, recoloured and hidden,
// saved, closed and opened again: back numbered, in every view, and saved again byte for byte.
TEST_F(MultiPartPlacementTest, PlacedObjectsAreSavedAndComeBackInEveryView) {
  if (!this->Opened()) return;
  QLM_REQUIRE_TEST_DATA(PieceMesh);
  CQlmQuorvantile* q = this->Q;
  PutFixtureItems(*q);
  const double point[3] = {0.0, 0.0, 0.0};
  for (int i = 0; i < 2; ++i) {
    ASSERT_EQ(q->EndoImpsContainer->AddObject(q->WindowAxial, point, "Teste", " 42", "Lima", 0, -1), 1);
  }
  ASSERT_EQ(q->OrtoImpsContainer->AddObject(q->WindowAxial, point, "Teste", " 42", "Bracket", 0, -1), 1);
  ASSERT_EQ(q->EndoImpsContainer->SetPartSection(1, "Teste", " 42", "Lima", 1, "B2"), 1);
  const float blue[3] = {0.1f, 0.2f, 0.9f};
  q->OrtoImpsContainer->GetList3D()->GetListItemAt(0)->SetPartColor(1, blue);
  q->OrtoImpsContainer->GetList3D()->GetListItemAt(0)->SetPartVisibility(0, 0);
  q->SetSingleCrossSection(1);

  const std::string first = this->Files.File("Partes.qlm");
  this->SaveAs(first);
  ControllerReady = [](CQlmQuorvantile& controller) { PutFixtureItems(controller); };
  this->CloseAndOpen(first);
  q = this->Q;
  ASSERT_EQ(q->ProjectOpen, 1) << (this->Prompter.Messages.empty() ? "" : this->Prompter.Messages[0].Text.Str());

  CQlmEndoImps& endo = *q->EndoImpsContainer;
  ASSERT_EQ(endo.GetCount(), 2);
  ASSERT_EQ(endo.GetListAxial()->GetCount(), 2);
  ASSERT_EQ(endo.GetListPanoramic()->GetCount(), 2);
  CQlmEndoImp3D& lima = *endo.GetList3D()->GetListItemAt(1);
  EXPECT_EQ(lima.GetNumber(), 2);
  EXPECT_EQ(lima.GetPartName(1), "B2");
  EXPECT_EQ(endo.GetListCross()->GetListItemAt(1)->GetObject(), &lima);
  EXPECT_EQ(endo.GetListCross()->GetListItemAt(1)->GetSingleCrossSection(), 1) << "the file's single section";
  EXPECT_TRUE(q->Window3D->Renderer3->HasViewProp(lima.GetActor(1)));
  CQlmEndoImpAxial& axial = *endo.GetListAxial()->GetListItemAt(1);
  EXPECT_STREQ(axial.GetCutter(1)->GetTextMapper()->GetInput(), "2-2");
  CQlmOrtoImps& orto = *q->OrtoImpsContainer;
  ASSERT_EQ(orto.GetCount(), 1);
  ASSERT_EQ(orto.GetListAxial()->GetCount(), 1);
  const CQlmOrtoImp3D& bracket = *orto.GetList3D()->GetListItemAt(0);
  EXPECT_EQ(bracket.GetPartColor(1)[2], blue[2]);
  EXPECT_EQ(bracket.GetPartVisible(0), 0);
  EXPECT_EQ(bracket.GetPartVisible(1), 1);

  this->ExpectSavedAgainAsItWas(first, this->Files.File("Partes2.qlm"));
}

// One object of `item` placed at the axial view's centre, part `slot` switched to `variant` (none for -1).
template <class Container>
void Place(CQlmQuorvantile& q, Container& objects, const char* item, int slot, const char* variant) {
  const double centre[3] = {0, 0, 0};
  ASSERT_EQ(objects.AddObject(q.WindowAxial, centre, "Teste", " 42", item, 0, -1), 1);
  if (slot >= 0) {
    ASSERT_EQ(objects.SetPartSection(objects.GetCount() - 1, "Teste", " 42", item, slot, variant), 1);
  }
}

// The record the guide file holds for each object of the list, in list order.
template <class List>
void ExpectRecords(ReportFixtures::Record& expected, List* list,
                   const std::vector<std::vector<const char*>>& partNames) {
  expected.Int(list->GetCount());
  for (int i = 0; i < list->GetCount(); ++i) {
    const auto* object = list->GetListItemAt(i);
    expected.Text(object->GetName().Str()).Text("Teste").Text(" 42").Int(int32_t(partNames[i].size()));
    for (const char* name : partNames[i]) expected.Text(name);
    double matrix[16];
    std::copy_n(&object->GetMatrix()->Element[0][0], 16, matrix);
    expected.Raw(matrix, sizeof matrix);
  }
}

// One triangle.
vtkNew<vtkPolyData> TriangleBase() {
  vtkNew<vtkPoints> points;
  for (int k = 0; k < 3; ++k) points->InsertNextPoint(k, 2 * k, 3 * k);
  vtkNew<vtkCellArray> triangle;
  const vtkIdType corners[] = {0, 1, 2};
  triangle->InsertNextCell(3, corners);
  vtkNew<vtkPolyData> base;
  base->SetPoints(points);
  base->SetPolys(triangle);
  return base;
}

TEST_F(MultiPartPlacementTest, GuideFileNamesThePresentPartsOfEachPlacedObject) {
  if (!this->Opened()) return;
  QLM_REQUIRE_TEST_DATA(PieceMesh);
  CQlmQuorvantile& q = *this->Q;
  PutFixtureItems(q);
  struct Placed {
    bool Endodontic;
    const char* Item;
    int Slot;
    const char* Variant;
    std::vector<const char*> PartNames;
  };
  const Placed placed[] = {
      {true, "Lima", -1, "", {"A1", "B1", "C1"}},
      {false, "Bracket", 1, "B2", {"A1", "B2"}},
      {true, "Lima", 2, "C2", {"A1", "B1", "C2"}},
  };
  std::vector<std::vector<const char*>> endoNames, ortoNames;
  for (const Placed& p : placed) {
    if (p.Endodontic)
      Place(q, *q.EndoImpsContainer, p.Item, p.Slot, p.Variant);
    else
      Place(q, *q.OrtoImpsContainer, p.Item, p.Slot, p.Variant);
    (p.Endodontic ? endoNames : ortoNames).push_back(p.PartNames);
  }
  ASSERT_EQ(q.ImplantContainer->GetList3D()->GetCount(), 0);

  std::unique_ptr<CQlmGuideFile> guide(CQlmGuideFile::New());
  vtkNew<vtkPolyData> base = TriangleBase();
  guide->Controller = &q;
  guide->BaseMesh = base;
  guide->Path = this->Files.File("Guia.stv");
  ReportFixtures::Record expected;
  expected.Int(CQlmGuideFile::Format).Int(0);
  ExpectRecords(expected, q.OrtoImpsContainer->GetList3D(), ortoNames);
  ExpectRecords(expected, q.EndoImpsContainer->GetList3D(), endoNames);
  expected.Int(0).Int(0).Int(3);
  for (int k = 0; k < 3; ++k) expected.Double(k).Double(2.0 * k).Double(3.0 * k);
  expected.Int(1).Int(0).Int(1).Int(2);
  // A second export collects the lists afresh.
  for (int write = 0; write < 2; ++write) {
    ASSERT_EQ(guide->Save(), 1);
    EXPECT_EQ(QlmBytes::ReadFile(this->Files.File("Guia.stv")), expected.Data);
  }
}

}  // namespace
