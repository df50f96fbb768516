#include <gtest/gtest.h>
#include <vtkCylinderSource.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkTransform.h>
#include <vtkTransformPolyDataFilter.h>

#include <string>
#include <utility>
#include <vector>

#include "toolkit/QlmPlanarCut.h"
#include "toolkit/vtkImplantPanoramic.h"
#include "toolkit/vtkPolyDataCutterAxial.h"
#include "toolkit/vtkPolyDataCutterCross9.h"
#include "toolkit/vtkPolyDataCutterPanoramic.h"
#include "toolkit/vtkRingCutterPanoramic.h"

namespace {

// A cylinder of radius 2 along world z from -5 to 5, moved by `placement`.
struct Mesh {
  Mesh() {
    cylinder->SetRadius(2.0);
    cylinder->SetHeight(10.0);
    cylinder->SetResolution(24);
    upright->RotateX(90.0);
    stand->SetInputConnection(cylinder->GetOutputPort());
    stand->SetTransform(upright);
    placed->SetInputConnection(stand->GetOutputPort());
    placed->SetTransform(placement);
  }
  vtkNew<vtkCylinderSource> cylinder;
  vtkNew<vtkTransform> upright, placement;
  vtkNew<vtkTransformPolyDataFilter> stand, placed;
};

std::vector<double> Coordinates(vtkPolyData* data) {
  std::vector<double> values;
  for (vtkIdType i = 0; i < data->GetNumberOfPoints(); ++i) {
    const double* p = data->GetPoint(i);
    values.insert(values.end(), p, p + 3);
  }
  return values;
}

vtkNew<vtkPolyData> Curve(const std::vector<std::pair<double, double>>& points) {
  vtkNew<vtkPoints> curvePoints;
  for (const auto& [x, y] : points) curvePoints->InsertNextPoint(x, y, 0.0);
  vtkNew<vtkPolyData> curve;
  curve->SetPoints(curvePoints);
  return curve;
}

TEST(vtkPolyDataCutterAxial, CutsByItsPlaneAndFollowsTheMesh) {
  Mesh mesh;
  mesh.placement->RotateY(20);
  vtkNew<vtkPolyDataCutterAxial> cutter;
  cutter->SetInputConnection(mesh.placed->GetOutputPort());
  cutter->GetTransformCutter()->Translate(0, 0, 1.5);
  cutter->GetTransformCutter()->RotateX(180);
  cutter->Update();
  mesh.placed->Update();
  vtkNew<vtkPolyData> engine;
  QlmPlanarCut::Cut(mesh.placed->GetOutput(), cutter->GetTransformCutter()->GetMatrix(), engine);
  EXPECT_GT(engine->GetNumberOfLines(), 0);
  EXPECT_EQ(Coordinates(cutter->GetOutput()), Coordinates(engine));

  mesh.placement->Translate(30, 0, 0);
  cutter->Update();
  double bounds[6];
  cutter->GetOutput()->GetBounds(bounds);
  EXPECT_GT(bounds[0], 25.0);
}

TEST(vtkPolyDataCutterAxial, NoInputOrMissedPlaneGivesNothing) {
  vtkNew<vtkPolyDataCutterAxial> cutter;
  cutter->Update();
  EXPECT_EQ(cutter->GetOutput()->GetNumberOfCells(), 0);
  Mesh mesh;
  cutter->SetInputConnection(mesh.placed->GetOutputPort());
  cutter->GetTransformCutter()->Translate(0, 0, 6);
  cutter->Update();
  EXPECT_EQ(cutter->GetOutput()->GetNumberOfCells(), 0);
}

void PlaceSections(vtkPolyDataCutterCross9* cutter, double start) {
  for (int k = 0; k < vtkPolyDataCutterCross9::Sections; ++k) {
    vtkNew<vtkTransform> section;
    section->Translate(start + 0.5 * k, 0, 0);
    section->RotateY(90);
    cutter->SetMatrixCutter(k, section->GetMatrix()->GetData());
  }
}

TEST(vtkPolyDataCutterCross9, ScrolledSectionsEqualAFreshCut) {
  struct Case {
    const char* name;
    double start;
    int shift;
    bool moveBefore;
  };
  const std::vector<Case> cases = {
      {"shift 3", -0.5, 3, false},  {"shift -2", -3.0, -2, false}, {"shift 9", 2.5, 9, false},
      {"wrong shift", -1.3, 3, false}, {"mesh moved before the scroll", -0.5, 3, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Mesh mesh;
    mesh.placement->RotateX(15);
    vtkNew<vtkPolyDataCutterCross9> cutter;
    cutter->SetInputConnection(mesh.placed->GetOutputPort());
    PlaceSections(cutter, -2.0);
    cutter->Update();
    if (c.moveBefore) mesh.placement->Translate(0.2, 0, 0);
    cutter->SetOptimize(c.shift);
    PlaceSections(cutter, c.start);
    cutter->Update();
    EXPECT_EQ(cutter->GetOptimize(), 0);
    vtkNew<vtkPolyDataCutterCross9> fresh;
    fresh->SetInputConnection(mesh.placed->GetOutputPort());
    PlaceSections(fresh, c.start);
    fresh->Update();
    for (int k = 0; k < vtkPolyDataCutterCross9::Sections; ++k) {
      EXPECT_EQ(Coordinates(cutter->GetOutput(k)), Coordinates(fresh->GetOutput(k))) << "section " << k;
    }
  }
}

TEST(vtkPolyDataCutterCross9, OutOfRangeSectionsAreIgnored) {
  vtkNew<vtkPolyDataCutterCross9> cutter;
  const double elements[16] = {};
  cutter->SetMatrixCutter(9, elements);
  cutter->SetMatrixCutter(-1, elements);
  EXPECT_EQ(cutter->GetMatrixCutter(9), nullptr);
  EXPECT_TRUE(cutter->GetMatrixCutter(0)->IsIdentity());
}

TEST(vtkPolyDataCutterPanoramic, ThinCutEqualsTheImplantOutline) {
  auto curve = Curve({{-20, 0}, {0, 5}, {20, 0}});
  Mesh mesh;
  mesh.placement->Translate(-6, -1.5, 0);
  vtkNew<vtkPolyDataCutterPanoramic> cutter;
  cutter->SetInputConnection(mesh.placed->GetOutputPort());
  cutter->SetPanoramicLine(curve);
  cutter->SetLimitY(40);
  cutter->Update();
  vtkNew<vtkImplantPanoramic> implant;
  implant->SetInputConnection(0, mesh.placed->GetOutputPort());
  implant->SetVisibilityScrewLine(0);
  implant->SetPanoramicLine(curve);
  implant->SetLimitY(40);
  implant->Update();
  EXPECT_GT(cutter->GetOutput()->GetNumberOfLines(), 0);
  EXPECT_EQ(Coordinates(cutter->GetOutput()), Coordinates(implant->GetOutputScrew()));

  cutter->SetPanoramicLine(nullptr);
  cutter->Update();
  EXPECT_EQ(cutter->GetOutput()->GetNumberOfCells(), 0);
}

TEST(vtkPolyDataCutterPanoramic, ThickProjectionTakesTheNearestSegment) {
  // Two segments meeting at a right angle; the mesh stands near the second.
  auto curve = Curve({{0, 0}, {10, 0}, {10, -10}});
  Mesh mesh;
  mesh.placement->Translate(12, 6, 0);
  vtkNew<vtkPolyDataCutterPanoramic> plain;
  plain->SetInputConnection(mesh.placed->GetOutputPort());
  plain->SetPanoramicLine(curve);
  plain->SetThick(1);
  plain->Update();
  mesh.placed->Update();
  EXPECT_EQ(plain->GetOutput()->GetNumberOfPolys(), mesh.placed->GetOutput()->GetNumberOfPolys());
  double bounds[6];
  plain->GetOutput()->GetBounds(bounds);
  // Second segment's strip: the axis lies 6 mm along it, at arc 16 of 20: unrolled x = 6.
  EXPECT_NEAR((bounds[0] + bounds[1]) / 2, 6.0, 1e-6);

  // The ring cutter unrolls through the segment nearest to its implant's platform instead.
  vtkNew<vtkRingCutterPanoramic> ring;
  vtkNew<vtkMatrix4x4> implant;
  implant->SetElement(0, 3, 4);
  implant->SetElement(1, 3, -1);
  ring->SetMatrixImplant(implant);
  ring->SetInputConnection(mesh.placed->GetOutputPort());
  ring->SetPanoramicLine(curve);
  ring->SetThick(1);
  ring->Update();
  ring->GetOutput()->GetBounds(bounds);
  // First segment's strip, extended: arc 12 of 20, unrolled x = 2.
  EXPECT_NEAR((bounds[0] + bounds[1]) / 2, 2.0, 1e-6);
  const vtkMTimeType before = ring->GetMTime();
  implant->SetElement(0, 3, 5);
  EXPECT_GT(ring->GetMTime(), before);
}

}  // namespace
