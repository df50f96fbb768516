#include <gtest/gtest.h>
#include <vtkActor2D.h>
#include <vtkCellArray.h>
#include <vtkCoordinate.h>
#include <vtkCylinderSource.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkTransform.h>
#include <vtkTransformPolyDataFilter.h>

#include <vector>

#include "toolkit/QlmPanoramicStrips.h"
#include "toolkit/vtkImplantPanoramic.h"

namespace {

vtkNew<vtkPolyData> Curve(const std::vector<std::pair<double, double>>& points) {
  vtkNew<vtkPoints> curvePoints;
  for (const auto& [x, y] : points) curvePoints->InsertNextPoint(x, y, 0.0);
  vtkNew<vtkPolyData> curve;
  curve->SetPoints(curvePoints);
  return curve;
}

TEST(QlmPanoramicStrips, SegmentCentresAndUnrolledPoints) {
  const double origin[3] = {0, 0, 0};
  auto threeSegments = Curve({{0, 0}, {10, 0}, {30, 0}, {60, 0}});
  QlmPanoramicStrips strips(threeSegments, origin);
  ASSERT_EQ(strips.GetSegmentCount(), 3);
  EXPECT_DOUBLE_EQ(strips.GetSegmentCenter(0), -25);
  EXPECT_DOUBLE_EQ(strips.GetSegmentCenter(1), -10);
  EXPECT_DOUBLE_EQ(strips.GetSegmentCenter(2), 15);

  struct Case { std::vector<std::pair<double, double>> curve; double world[3]; double unrolled[2]; };
  for (const Case& c : {Case{{{0, 0}, {10, 0}}, {7, 3, 4}, {2, 4}}, Case{{{0, 0}, {0, 10}}, {2, -8, 4}, {3, 4}}}) {
    auto curve = Curve(c.curve);
    QlmPanoramicStrips one(curve, origin);
    double unrolled[3];
    one.ToUnrolled(0, c.world, unrolled);
    EXPECT_NEAR(unrolled[0], c.unrolled[0], 1e-9);
    EXPECT_NEAR(unrolled[1], c.unrolled[1], 1e-9);
    EXPECT_EQ(unrolled[2], 0.0);
  }
}

TEST(QlmPanoramicStrips, ClippingKeepsPiecesWithinTheSpan) {
  const double origin[3] = {0, 0, 0};
  auto curve = Curve({{0, 0}, {10, 0}, {30, 0}, {60, 0}});
  QlmPanoramicStrips strips(curve, origin);  // middle segment spans x -20 .. 0
  struct Case { int segment; double p[2], q[2]; std::vector<double> kept; };
  const std::vector<Case> cases = {
      {1, {-10, 1}, {5, 1}, {-10, 1, 0, 1}},     // runs past the right end
      {2, {10, 1}, {40, 1}, {10, 1, 40, 1}},     // last segment is open to the right
      {1, {-30, 2}, {10, 2}, {-20, 2, 0, 2}},    // crosses both edges within the height
      {1, {-30, 80}, {10, 80}, {}},              // ... beyond half the height
      {1, {5, 1}, {9, 1}, {}},                   // both ends on one side
  };
  for (const Case& c : cases) {
    vtkNew<vtkPoints> points;
    points->InsertNextPoint(c.p[0], c.p[1], 0);
    points->InsertNextPoint(c.q[0], c.q[1], 0);
    vtkNew<vtkCellArray> lines;
    const vtkIdType ids[2] = {0, 1};
    lines->InsertNextCell(2, ids);
    strips.ClipToSegment(c.segment, 100.0, points, lines);
    std::vector<double> kept;
    for (vtkIdType i = 0; i < points->GetNumberOfPoints(); ++i) {
      kept.push_back(points->GetPoint(i)[0]);
      kept.push_back(points->GetPoint(i)[1]);
    }
    EXPECT_EQ(kept, c.kept) << "segment " << c.segment << " from x " << c.p[0];
  }
}

struct PlacedCylinder {
  explicit PlacedCylinder(double x, double y) {
    cylinder->SetRadius(2);
    cylinder->SetHeight(10);
    placement->Translate(x, y, 0);
    placement->RotateX(90);
    placed->SetInputConnection(cylinder->GetOutputPort());
    placed->SetTransform(placement);
  }
  vtkNew<vtkCylinderSource> cylinder;
  vtkNew<vtkTransform> placement;
  vtkNew<vtkTransformPolyDataFilter> placed;
};

TEST(vtkImplantPanoramic, CutsAlongCurvesOfAnyLengthAndParksWithoutOne) {
  // A zigzag of 80 points with repeated (zero-length) points along the way.
  std::vector<std::pair<double, double>> zigzag;
  for (int i = 0; i < 80; ++i) {
    zigzag.push_back({i * 1.0, (i % 2) * 0.2});
    if (i % 10 == 0) zigzag.push_back(zigzag.back());
  }
  auto curve = Curve(zigzag);
  PlacedCylinder implant(40, -0.1);
  vtkNew<vtkImplantPanoramic> cutter;
  cutter->SetInputConnection(0, implant.placed->GetOutputPort());
  cutter->SetMatrixScrew(implant.placement->GetMatrix());
  cutter->SetVisibilityScrewLine(0);
  cutter->SetLimitY(100);
  cutter->SetPanoramicLine(curve);
  cutter->Update();
  double bounds[6];
  cutter->GetOutputScrew()->GetBounds(bounds);
  EXPECT_GT(cutter->GetOutputScrew()->GetNumberOfCells(), 0);
  const double middle = cutter->GetFulcrum()[0];
  EXPECT_NEAR(bounds[0], middle - 2, 0.2);
  EXPECT_NEAR(bounds[1], middle + 2, 0.2);
  EXPECT_NEAR(bounds[2], -5, 1e-6);
  EXPECT_NEAR(bounds[3], 5, 1e-6);
  EXPECT_NE(cutter->GetCenterScrew()[0], vtkImplantCutter::ParkedX);

  for (const auto& points : {std::vector<std::pair<double, double>>{{3, 3}}, std::vector<std::pair<double, double>>{}}) {
    auto shortCurve = Curve(points);
    cutter->SetPanoramicLine(shortCurve);
    cutter->Update();
    EXPECT_EQ(cutter->GetOutputScrew()->GetNumberOfCells(), 0);
    EXPECT_EQ(cutter->GetActorLabel()->GetPositionCoordinate()->GetValue()[0], vtkImplantCutter::ParkedX);
  }
}

TEST(vtkImplantPanoramic, ThickModeProjectsThePolygons) {
  auto curve = Curve({{0, 0}, {10, 0}});
  PlacedCylinder implant(7, -3);
  vtkNew<vtkImplantPanoramic> cutter;
  cutter->SetInputConnection(0, implant.placed->GetOutputPort());
  cutter->SetMatrixScrew(implant.placement->GetMatrix());
  cutter->SetVisibilityScrewLine(0);
  cutter->SetPanoramicLine(curve);
  cutter->SetThick(1);
  cutter->Update();
  vtkPolyData* out = cutter->GetOutputScrew();
  EXPECT_EQ(out->GetNumberOfPolys(), implant.placed->GetOutput()->GetNumberOfPolys());
  EXPECT_EQ(out->GetNumberOfLines(), 0);
  EXPECT_NEAR(cutter->GetFulcrum()[0], 2, 1e-9);
  EXPECT_NEAR(cutter->GetFulcrum()[1], 0, 1e-9);

  // The axis line goes into the output's own lines: a polydata without lines
  // still has none (they share one empty array inside VTK).
  cutter->SetVisibilityScrewLine(1);
  cutter->Update();
  EXPECT_EQ(out->GetNumberOfLines(), 1);
  vtkNew<vtkPolyData> untouched;
  EXPECT_EQ(untouched->GetLines()->GetNumberOfCells(), 0);
}

}  // namespace
