#include <gtest/gtest.h>
#include <vtkCellArray.h>
#include <vtkImageData.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkTransform.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "ImplantScene.h"
#include "ShownOutline.h"
#include "VShapedCurve.h"
#include "toolkit/vtkImplantAxial.h"
#include "toolkit/vtkImplantCross9.h"
#include "toolkit/vtkImplantPanoramic.h"

namespace {

vtkSmartPointer<vtkMatrix4x4> Drag(double dx, double dy, double degrees) {
  vtkNew<vtkTransform> drag;
  drag->Translate(dx, dy, 0);
  drag->RotateZ(degrees);
  auto matrix = vtkSmartPointer<vtkMatrix4x4>::New();
  matrix->DeepCopy(drag->GetMatrix());
  return matrix;
}

std::vector<double> Orientation(vtkMatrix4x4* m) {
  std::vector<double> values;
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) values.push_back(m->GetElement(r, c));
  return values;
}

// One implant of 4 x 10 mm standing, slightly tilted, on the arch.
class CQlmImplantDragTest : public ::testing::Test, public ImplantScene {
public:
  void SetUp() override {
    this->Implants.SetAxialIndex(17);  // the plane z = 17 crosses the body
    this->Implants.SetCrossIndex(11);  // section 4 at arc 30: world x = 30
    this->AddImplant(4);
    this->PlaceImplant();
  }
  void PlaceImplant() {
    vtkNew<vtkTransform> placement;
    placement->Translate(30.3, 20.2, 22);
    placement->RotateY(8);
    placement->RotateX(-6);
    this->Implant()->SetMatrix(placement->GetMatrix()->GetData());
  }
  CQlmImplant3D* Implant() { return this->Implants.GetList3D()->GetListItemAt(0); }
  CQlmImplantAxial* AxialCut() { return this->Implants.GetListAxial()->GetListItemAt(0); }
  CQlmImplantCross9* CrossCut() { return this->Implants.GetListCross()->GetListItemAt(0); }
  CQlmImplantPanoramic* PanoramicCut() { return this->Implants.GetListPanoramic()->GetListItemAt(0); }
  void RenderCuts() {
    this->AxialCut()->GetCutter()->Update();
    this->CrossCut()->GetCutter()->Update();
    this->PanoramicCut()->GetCutter()->Update();
  }
};

// The outline shown during the drag is the outline cut after the release.
TEST_F(CQlmImplantDragTest, PreviewEqualsTheCommittedOutlineInEveryView) {
  struct View {
    const char* name;
    std::function<vtkPolyData*(CQlmImplantDragTest&)> outline;
    std::function<void(CQlmImplantDragTest&, vtkMatrix4x4*)> drag;
    std::function<void(CQlmImplantDragTest&)> release;
    std::function<vtkTransform*(CQlmImplantDragTest&)> user;
  };
  const std::vector<View> views = {
      {"axial (turned plane)", [](auto& t) { return t.AxialCut()->GetAxialCutter()->GetOutputScrew(); },
       [](auto& t, vtkMatrix4x4* m) { t.AxialCut()->SetUserMatrix(m); },
       [](auto& t) { t.AxialCut()->ApplyUserMatrix(); },
       [](auto& t) { return t.AxialCut()->GetScrewUserTransform(); }},
      {"cross-section 4 (plain plane)", [](auto& t) { return t.CrossCut()->GetCrossCutter()->GetOutputScrew(4); },
       [](auto& t, vtkMatrix4x4* m) { t.CrossCut()->SetUserMatrix(4, m); },
       [](auto& t) { t.CrossCut()->ApplyUserMatrix(4); },
       [](auto& t) { return t.CrossCut()->GetScrewUserTransform(); }},
      {"panoramic", [](auto& t) { return t.PanoramicCut()->GetPanoramicCutter()->GetOutputScrew(); },
       [](auto& t, vtkMatrix4x4* m) { t.PanoramicCut()->SetUserMatrix(m); },
       [](auto& t) { t.PanoramicCut()->ApplyUserMatrix(); },
       [](auto& t) { return t.PanoramicCut()->GetScrewUserTransform(); }},
  };
  struct Motion {
    const char* name;
    double dx, dy, degrees;
  };
  const std::vector<Motion> motions = {{"translation", 3, -2, 0}, {"rotation", 0, 0, 25}, {"both", -1.5, 2.5, -30}};
  for (const View& view : views) {
    for (const Motion& motion : motions) {
      SCOPED_TRACE(std::string(view.name) + ", " + motion.name);
      this->PlaceImplant();
      vtkPolyData* outline = view.outline(*this);
      this->RenderCuts();  // the render before the drag starts
      view.drag(*this, Drag(motion.dx, motion.dy, motion.degrees));
      const Segments preview = Shown(outline, view.user(*this));
      view.release(*this);
      EXPECT_TRUE(view.user(*this)->GetMatrix()->IsIdentity());
      this->RenderCuts();
      ExpectSameOutline(preview, Shown(outline, view.user(*this)));
    }
  }
}

TEST_F(CQlmImplantDragTest, AxialDragMovesThePlatformUpsideDown) {
  double before[3], after[3];
  this->Implant()->GetPosition(before);
  const std::vector<double> orientation = Orientation(this->Implant()->GetMatrix());
  this->AxialCut()->GetCutter()->Update();
  this->AxialCut()->SetUserMatrix(Drag(2.5, 4, 0));
  this->AxialCut()->ApplyUserMatrix();
  this->Implant()->GetPosition(after);
  EXPECT_NEAR(after[0] - before[0], 2.5, 1e-9);
  EXPECT_NEAR(after[1] - before[1], -4, 1e-9);
  EXPECT_NEAR(after[2] - before[2], 0, 1e-9);
  const std::vector<double> kept = Orientation(this->Implant()->GetMatrix());
  for (size_t i = 0; i < kept.size(); ++i) EXPECT_NEAR(kept[i], orientation[i], 1e-12);
}

TEST_F(CQlmImplantDragTest, AxialConectorTiltGivesItsAngle) {
  vtkNew<vtkTransform> upright;
  upright->Translate(30, 20, 22);
  this->Implant()->SetMatrix(upright->GetMatrix()->GetData());
  vtkNew<vtkTransform> tilt;
  tilt->RotateX(20);
  this->AxialCut()->SetConectorUserMatrix(tilt->GetMatrix());
  this->AxialCut()->ApplyUserMatrix();
  EXPECT_NEAR(this->Implant()->GetConectorAngle(), 20.0, 1e-4);
  EXPECT_TRUE(this->AxialCut()->GetConectorUserMatrix()->IsIdentity());
}

TEST_F(CQlmImplantDragTest, PanoramicReleaseWithoutMotionChangesNothing) {
  const std::vector<double> before = Elements(this->Implant()->GetMatrix());
  vtkNew<vtkTransform> deep;
  deep->Translate(0, 0, 0.5);  // no motion the panoramic view can make
  this->PanoramicCut()->SetUserMatrix(deep->GetMatrix());
  this->PanoramicCut()->ApplyUserMatrix();
  const std::vector<double> after = Elements(this->Implant()->GetMatrix());
  EXPECT_EQ(after, before);
  EXPECT_DOUBLE_EQ(this->PanoramicCut()->GetImplantUserMatrix()->GetElement(2, 3), 0.5);
}

// A V-shaped curve: world (0, 30), (30, 10), (60, 30).
TEST_F(CQlmImplantDragTest, PanoramicSlideAcrossAVertexTurnsTheOffsetWithTheCurve) {
  ASSERT_TRUE(BendIntoAV(this->Arch, this->Calculator));
  this->PanoramicCut()->SetInput(this->Image, &this->Calculator);
  const double half = this->Calculator.GetCurveLength() / 2.0;
  double start[3];
  BesideTheCurve(this->Calculator, half - 5, 1.5, 20, start);
  vtkNew<vtkTransform> placement;
  placement->Translate(start);
  placement->RotateX(12);
  this->Implant()->SetMatrix(placement->GetMatrix()->GetData());
  const std::vector<double> orientation = Orientation(this->Implant()->GetMatrix());
  this->PanoramicCut()->GetCutter()->Update();
  EXPECT_NEAR(this->PanoramicCut()->GetPanoramicCutter()->GetFulcrum()[0], -5, 1e-3);

  this->PanoramicCut()->SetUserMatrix(Drag(10, 2, 0));
  this->PanoramicCut()->ApplyUserMatrix();
  double expected[3], after[3];
  BesideTheCurve(this->Calculator, half + 5, 1.5, 20, expected);
  this->Implant()->GetPosition(after);
  EXPECT_NEAR(after[0], expected[0], 1e-3);
  EXPECT_NEAR(after[1], expected[1], 1e-3);
  EXPECT_NEAR(after[2], 22, 1e-9);
  const std::vector<double> kept = Orientation(this->Implant()->GetMatrix());
  for (size_t i = 0; i < kept.size(); ++i) EXPECT_NEAR(kept[i], orientation[i], 1e-12);
}

}  // namespace
