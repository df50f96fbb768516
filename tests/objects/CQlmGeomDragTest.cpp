#include <gtest/gtest.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkTransform.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "GeomScene.h"
#include "ShownOutline.h"
#include "VShapedCurve.h"
#include "toolkit/vtkGeomAxial.h"
#include "toolkit/vtkGeomCross9.h"
#include "toolkit/vtkGeomPanoramic.h"

namespace {

// One tooth, slightly tilted, on the arch.
class CQlmGeomDragTest : public ::testing::Test, public GeomScene {
public:
  void SetUp() override {
    QLM_REQUIRE_TEST_DATA(ToothMesh);
    this->Teeth.SetAxialIndex(17);  // the plane z = 17 crosses the crown
    this->Teeth.SetCrossIndex(11);  // section 4 at arc 30: world x = 30
    ASSERT_EQ(this->AddTooth(), 1);
    this->PlaceTooth();
  }
  void PlaceTooth() {
    vtkNew<vtkTransform> placement;
    placement->Translate(30.3, 20.2, 12);
    placement->RotateY(8);
    placement->RotateX(-6);
    this->Tooth()->SetMatrix(placement->GetMatrix()->GetData());
  }
  CQlmGeom3D* Tooth() { return this->Teeth.GetList3D()->GetListItemAt(0); }
  CQlmGeomAxial* AxialCut() { return this->Teeth.GetListAxial()->GetListItemAt(0); }
  CQlmGeomCross9* CrossCut() { return this->Teeth.GetListCross()->GetListItemAt(0); }
  CQlmGeomPanoramic* PanoramicCut() { return this->Teeth.GetListPanoramic()->GetListItemAt(0); }
  void RenderCuts() {
    this->AxialCut()->GetCutter()->Update();
    this->CrossCut()->GetCutter()->Update();
    this->PanoramicCut()->GetCutter()->Update();
  }
};

struct View {
  const char* name;
  std::function<vtkPolyData*(CQlmGeomDragTest&)> outline;
  std::function<void(CQlmGeomDragTest&, const double*)> drag;
  std::function<void(CQlmGeomDragTest&)> release;
  std::function<CQlmGeomCut*(CQlmGeomDragTest&)> cut;
};

const std::vector<View>& Views() {
  static const std::vector<View> views = {
      {"axial", [](auto& t) { return t.AxialCut()->GetAxialCutter()->GetOutput(); },
       [](auto& t, const double* m) { t.AxialCut()->SetInteractionMatrix(m); },
       [](auto& t) { t.AxialCut()->ApplyMotionTo3D(); }, [](auto& t) -> CQlmGeomCut* { return t.AxialCut(); }},
      {"cross-section 4", [](auto& t) { return t.CrossCut()->GetCrossCutter()->GetOutput(4); },
       [](auto& t, const double* m) { t.CrossCut()->SetInteractionMatrix(4, m); },
       [](auto& t) { t.CrossCut()->ApplyMotionTo3D(4); }, [](auto& t) -> CQlmGeomCut* { return t.CrossCut(); }},
      {"panoramic", [](auto& t) { return t.PanoramicCut()->GetPanoramicCutter()->GetOutput(); },
       [](auto& t, const double* m) { t.PanoramicCut()->SetUserMatrix(m); },
       [](auto& t) { t.PanoramicCut()->ApplyUserMatrix(); },
       [](auto& t) -> CQlmGeomCut* { return t.PanoramicCut(); }},
  };
  return views;
}

// The outline shown during the drag is the outline cut after the release.
TEST_F(CQlmGeomDragTest, PreviewEqualsTheCommittedOutlineInEveryView) {
  struct Motion {
    const char* name;
    double dx, dy, degrees;
  };
  const std::vector<Motion> motions = {{"translation", 3, -2, 0}, {"rotation", 0, 0, 25}};
  for (const View& view : Views()) {
    for (const Motion& motion : motions) {
      SCOPED_TRACE(std::string(view.name) + ", " + motion.name);
      this->PlaceTooth();
      vtkPolyData* outline = view.outline(*this);
      this->RenderCuts();  // the render before the drag starts
      view.drag(*this, DragElements(motion.dx, motion.dy, motion.degrees).data());
      const Segments preview = Shown(outline, view.cut(*this)->GetUserTransform());
      view.release(*this);
      EXPECT_TRUE(view.cut(*this)->GetUserTransform()->GetMatrix()->IsIdentity());
      EXPECT_TRUE(view.cut(*this)->GetInteractionMatrix()->IsIdentity());
      this->RenderCuts();
      ExpectSameOutline(preview, Shown(outline, view.cut(*this)->GetUserTransform()));
    }
  }
}

TEST_F(CQlmGeomDragTest, AnIdentityDragChangesNothing) {
  for (const View& view : Views()) {
    SCOPED_TRACE(view.name);
    const std::vector<double> before = Elements(this->Tooth()->GetMatrix());
    this->RenderCuts();
    view.drag(*this, DragElements(0, 0, 0).data());
    view.release(*this);
    const std::vector<double> after = Elements(this->Tooth()->GetMatrix());
    for (int k = 0; k < 16; ++k) EXPECT_NEAR(after[k], before[k], 1e-12);
  }
}

// A V-shaped curve: world (0, 30), (30, 10), (60, 30).
TEST_F(CQlmGeomDragTest, PanoramicSlideAcrossAVertexTurnsTheOffsetNotTheObject) {
  ASSERT_TRUE(BendIntoAV(this->Arch, this->Calculator));
  this->PanoramicCut()->SetInput(this->Image, &this->Calculator);
  const double half = this->Calculator.GetCurveLength() / 2.0;
  double start[3];
  BesideTheCurve(this->Calculator, half - 5, 1.5, 10, start);
  vtkNew<vtkTransform> placement;
  placement->Translate(start);
  placement->RotateX(12);
  this->Tooth()->SetMatrix(placement->GetMatrix()->GetData());
  const std::vector<double> before = Elements(this->Tooth()->GetMatrix());
  this->PanoramicCut()->GetCutter()->Update();
  EXPECT_NEAR(this->PanoramicCut()->GetPanoramicCutter()->GetObjectPosition()[0], -5, 1e-3);

  this->PanoramicCut()->SetUserMatrix(DragElements(10, 2, 0).data());
  this->PanoramicCut()->ApplyUserMatrix();
  double expected[3], after[3];
  BesideTheCurve(this->Calculator, half + 5, 1.5, 10, expected);
  this->Tooth()->GetPosition(after);
  EXPECT_NEAR(after[0], expected[0], 1e-3);
  EXPECT_NEAR(after[1], expected[1], 1e-3);
  EXPECT_NEAR(after[2], 12, 1e-9);
  const std::vector<double> kept = Elements(this->Tooth()->GetMatrix());
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column) EXPECT_NEAR(kept[4 * row + column], before[4 * row + column], 1e-12);
}

}  // namespace
