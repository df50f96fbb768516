// Teeth of a fixture library placed along the maxillary crowns of the
// sample project's head CT, as the teeth tool places them (AddTooth at the
// clicked point, position -1), and followed by the views. With
// QLM_TEETH_SCREENSHOT set, the main window is saved there afterwards.
#include <vtkActor.h>
#include <vtkImageData.h>
#include <vtkRenderer.h>

#include <QApplication>
#include <QWidget>
#include <cmath>
#include <cstdlib>

#include "FixtureTeethLibrary.h"
#include "ProjectFixtures.h"
#include "SampleCrowns.h"
#include "SampleProjectFixture.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "libraries/vtkGeomsLib.h"
#include "objects/CQlmDentes.h"
#include "objects/CQlmGeom3D.h"
#include "toolkit/vtkGeomAxial.h"
#include "toolkit/vtkWin32TextMapper2.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmIndicator.h"

namespace {

using SampleCrowns::Vector;

using FixtureTeethLibrary::ToothMesh;

class TeethPlacementTest : public SampleProjectFixture {
protected:
  static void PutFixtureTeeth(CQlmQuorvantile& q) { ASSERT_TRUE(FixtureTeethLibrary::Put(q)); }
  void PutFixtureTeeth() { PutFixtureTeeth(*this->Q); }
  int Add(const void* window, const Vector& point, const char* name) {
    return this->Q->DentesContainer->AddTooth(window, point.data(), "Dentes Teste", " 42", name, 0, -1);
  }
  // How far the last placed tooth lies from `crown`.
  double DistanceToPlacement(const Vector& crown) {
    return SampleCrowns::DistanceToPlacement(*this->Q->DentesContainer->GetList3D()->GetLast(), crown);
  }
};

TEST_F(TeethPlacementTest, TeethPlacedOnTheUpperCrownsFollowTheViews) {
  if (!this->Opened()) return;
  QLM_REQUIRE_TEST_DATA(ToothMesh);
  CQlmQuorvantile& q = *this->Q;
  CQlmDentes& teeth = *q.DentesContainer;
  EXPECT_EQ(q.PositionListeners[CQlmPositionListener::Dentes], &teeth);
  EXPECT_EQ(q.LabelOptions[CQlmQuorvantile::Teeth], &teeth);
  this->PutFixtureTeeth();
  const float arch = q.PanoramicCalc->GetArchLength();

  // Axial clicks on the crowns, each on its crown's slice.
  double enamel = 0.0;
  const Vector first = SampleCrowns::CrownPoint(q, 0.35f * arch, 0.0, HUGE_VAL, enamel);
  int count = 0;
  for (float share : {0.35f, 0.45f, 0.55f, 0.65f}) {
    SCOPED_TRACE(share);
    const Vector crown = SampleCrowns::CrownPoint(q, share * arch, first[2], 4.0, enamel);
    q.AxialView->SetSlice(SampleCrowns::SliceAt(q, crown[2]));
    ASSERT_EQ(this->Add(q.WindowAxial, SampleCrowns::ToPlanning(q, crown), share < 0.5f ? "Incisivo" : "Molar"), 1);
    ++count;
    EXPECT_LT(this->DistanceToPlacement(crown), 1.5);
    EXPECT_EQ(teeth.GetList3D()->GetSelectedIndex(), count - 1);
  }

  // A panoramic click on the arch's own curve.
  q.PanoramicView->SetSlice(q.PanoramicCalc->GetMiddleCurve());
  const Vector crown = SampleCrowns::CrownPoint(q, 0.25f * arch, first[2], 4.0, enamel);
  const double along = 0.25 * arch - q.PanoramicCalc->GetCurveLength() / 2;
  const double height = crown[2] - QlmPlanningFrame(q.CTData->ImageData).GetCentre()[2];
  ASSERT_EQ(this->Add(q.WindowPanoramic, {along, height, 0.0}, "Incisivo"), 1);
  EXPECT_LT(this->DistanceToPlacement(crown), 1.5);
  ++count;
  EXPECT_EQ(teeth.GetCount(), count);

  // The views' moves reach every cut; the label commands and the deselection reach the teeth.
  double bounds[6];
  teeth.GetList3D()->GetListItemAt(0)->GetPlacedMesh()->GetBounds(bounds);
  const int middle = SampleCrowns::SliceAt(q, (bounds[4] + bounds[5]) / 2);
  q.AxialView->SetSlice(middle);
  EXPECT_EQ(teeth.GetListAxial()->GetListItemAt(0)->GetAxialIndex(), middle);
  q.CrossView->SetSlice(q.Indicator->GetCrossIndexAtAxialPoint(SampleCrowns::ToPlanning(q, first).data()));
  EXPECT_EQ(teeth.GetListCross()->GetListItemAt(0)->GetCrossIndex(), q.CTFilter->GetCrossFilter()->GetFirstIndex());
  teeth.GetListAxial()->GetListItemAt(0)->GetAxialCutter()->Update();
  EXPECT_GT(teeth.GetListAxial()->GetListItemAt(0)->GetAxialCutter()->GetOutput()->GetNumberOfLines(), 0);
  EXPECT_TRUE(q.Window3D->Renderer3->HasViewProp(teeth.GetList3D()->GetListItemAt(0)->GetActor()));
  q.SetDentesLabelName();
  EXPECT_STREQ(teeth.GetList3D()->GetListItemAt(0)->GetLabelMapper()->GetInput(), "Incisivo");
  q.DeselectAllObjects();
  EXPECT_EQ(teeth.GetList3D()->GetSelectedIndex(), -1);

  if (const char* picture = std::getenv("QLM_TEETH_SCREENSHOT")) {
    q.SetDentesLabelIndex();
    EXPECT_TRUE(this->SaveWindow(picture)) << picture;
  }
}

// A tooth saved with the project comes back, from its library, in all four views of the program that opens it.
TEST_F(TeethPlacementTest, ASavedToothIsReopenedInTheViews) {
  if (!this->Opened()) return;
  QLM_REQUIRE_TEST_DATA(ToothMesh);
  this->PutFixtureTeeth();
  ASSERT_EQ(this->Add(this->Q->WindowPanoramic, {0.0, 0.0, 0.0}, "Molar"), 1);
  const std::string path = this->Files.File("Dentes.qlm");
  ASSERT_EQ(this->Q->SaveProject(CString(path), "Dentes.qlm"), 1);

  this->Frame.reset();
  ControllerReady = [](CQlmQuorvantile& q) { PutFixtureTeeth(q); };
  this->Frame = Start(path);
  CQlmQuorvantile& q = *this->Frame->GetController();
  ASSERT_EQ(q.ProjectOpen, 1);
  CQlmDentes& teeth = *q.DentesContainer;
  ASSERT_EQ(teeth.GetCount(), 1);
  CQlmGeom3D* tooth = teeth.GetList3D()->GetListItemAt(0);
  EXPECT_EQ(tooth->GetName(), "Molar");
  EXPECT_EQ(tooth->GetNumber(), 1);
  EXPECT_TRUE(q.Window3D->Renderer3->HasViewProp(tooth->GetActor()));
  EXPECT_EQ(teeth.GetListAxial()->GetCount(), 1);
  EXPECT_EQ(teeth.GetListCross()->GetCount(), 1);
  EXPECT_EQ(teeth.GetListPanoramic()->GetCount(), 1);

  const std::string copy = this->Files.File("Copia.qlm");
  ASSERT_EQ(q.SaveProject(CString(copy), "Copia.qlm"), 1);
  CQlmProjectData saved, again;
  ASSERT_TRUE(saved.Open(path));
  ASSERT_TRUE(again.Open(copy));
  ASSERT_EQ(again.Teeth.size(), 1u);
  EXPECT_EQ(ProjectFixtures::Stored(again.Teeth[0]), ProjectFixtures::Stored(saved.Teeth[0]));
}

}  // namespace
