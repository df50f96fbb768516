#include <gtest/gtest.h>
#include <vtkFeatureEdges.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkPolyData.h>

#include <cmath>

#include "toolkit/QlmPlanarCut.h"
#include "toolkit/vtkRingSource.h"

namespace {

TEST(vtkRingSource, ClosedHollowCylinderBetweenTheDistances) {
  vtkNew<vtkRingSource> ring;
  ring->SetRadiusNearOut(2.5);
  ring->SetRadiusFarOut(2.5);
  ring->SetRadiusNearIn(2.05);
  ring->SetRadiusFarIn(2.05);
  ring->SetNearDist(5);
  ring->SetFarDist(9);
  ring->Update();
  vtkPolyData* mesh = ring->GetOutput();
  EXPECT_EQ(mesh->GetNumberOfPolys(), 4 * 2 * 16);
  double bounds[6];
  mesh->GetBounds(bounds);
  EXPECT_NEAR(bounds[1], 2.5, 1e-12);
  EXPECT_NEAR(bounds[4], 5, 1e-12);
  EXPECT_NEAR(bounds[5], 9, 1e-12);

  vtkNew<vtkFeatureEdges> open;
  open->SetInputData(mesh);
  open->BoundaryEdgesOn();
  open->FeatureEdgesOff();
  open->ManifoldEdgesOff();
  open->NonManifoldEdgesOff();
  open->Update();
  EXPECT_EQ(open->GetOutput()->GetNumberOfLines(), 0);

  // Cut across at mid-height: an outer and an inner circle, nothing near the axis.
  vtkNew<vtkMatrix4x4> plane;
  plane->SetElement(2, 3, 7);
  vtkNew<vtkPolyData> cut;
  QlmPlanarCut::Cut(mesh, plane, cut);
  double nearest = 1e9, farthest = 0;
  for (vtkIdType i = 0; i < cut->GetNumberOfPoints(); ++i) {
    const double* p = cut->GetPoint(i);
    nearest = std::min(nearest, std::hypot(p[0], p[1]));
    farthest = std::max(farthest, std::hypot(p[0], p[1]));
  }
  EXPECT_GT(nearest, 2.0);
  EXPECT_NEAR(farthest, 2.5, 1e-9);
}

TEST(vtkRingSource, ImpossibleRingsAreEmpty) {
  struct Case {
    const char* name;
    double near, far, inner, outer;
  };
  for (const Case& c : {Case{"far before near", 9, 5, 1, 2}, Case{"no length", 5, 5, 1, 2},
                        Case{"inner beyond outer", 5, 9, 3, 2}}) {
    SCOPED_TRACE(c.name);
    vtkNew<vtkRingSource> ring;
    ring->SetNearDist(c.near);
    ring->SetFarDist(c.far);
    ring->SetRadiusNearIn(c.inner);
    ring->SetRadiusFarIn(c.inner);
    ring->SetRadiusNearOut(c.outer);
    ring->SetRadiusFarOut(c.outer);
    ring->Update();
    EXPECT_EQ(ring->GetOutput()->GetNumberOfCells(), 0);
  }
}

}  // namespace
