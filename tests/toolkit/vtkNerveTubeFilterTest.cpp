#include <gtest/gtest.h>
#include <vtkCellArray.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

#include <cmath>
#include <initializer_list>
#include <utility>

#include "toolkit/vtkNerveTubeFilter.h"

namespace {

// A polyline through (x, y) points at z = 0.
void SetLine(vtkPolyData* line, std::initializer_list<std::pair<double, double>> xy) {
  vtkNew<vtkPoints> points;
  vtkNew<vtkCellArray> cells;
  cells->InsertNextCell(vtkIdType(xy.size()));
  for (const auto& [x, y] : xy) cells->InsertCellPoint(points->InsertNextPoint(x, y, 0.0));
  line->SetPoints(points);
  line->SetLines(cells);
}

TEST(vtkNerveTubeFilter, StraightLinesGiveTheAnalyticTube) {
  vtkNew<vtkPolyData> axial, panoramic;
  SetLine(axial, {{-10, 0}, {10, 0}});
  SetLine(panoramic, {{-30, 5}, {30, 5}});
  vtkNew<vtkNerveTubeFilter> tube;
  tube->SetPolyDataLineAxial(axial);
  tube->SetPolyDataLinePanoramic(panoramic);
  tube->SetTranslation(100, 80, 50);
  tube->SetRadius(2.0);
  tube->Update();

  const auto& centre = tube->GetCentreLine();
  ASSERT_EQ(centre.size(), 6u);
  EXPECT_DOUBLE_EQ(centre[0], 90);
  EXPECT_DOUBLE_EQ(centre[1], 80);
  EXPECT_DOUBLE_EQ(centre[2], 55);
  EXPECT_DOUBLE_EQ(centre[3], 110);

  vtkPolyData* mesh = tube->GetOutput();
  ASSERT_GT(mesh->GetNumberOfPolys(), 0);
  EXPECT_EQ(mesh->GetNumberOfStrips(), 0);
  for (vtkIdType i = 0; i < mesh->GetNumberOfPoints(); ++i) {
    double p[3];
    mesh->GetPoint(i, p);
    EXPECT_NEAR(std::hypot(p[1] - 80, p[2] - 55), 2.0, 1e-9) << "point " << i;
    EXPECT_GE(p[0], 90 - 1e-9);
    EXPECT_LE(p[0], 110 + 1e-9);
  }
}

// Axial line along planning y (mirrored into volume y), the height read from
// the panoramic line at s - L/2, its inner point a station of the centre line.
TEST(vtkNerveTubeFilter, CentreLineFollowsTheHeightAlongTheAxialLine) {
  vtkNew<vtkPolyData> axial, panoramic;
  SetLine(axial, {{0, -10}, {0, 10}});
  SetLine(panoramic, {{-10, 0}, {5, 6}, {10, 6}});
  vtkNew<vtkNerveTubeFilter> tube;
  tube->SetPolyDataLineAxial(axial);
  tube->SetPolyDataLinePanoramic(panoramic);
  tube->Update();

  const auto& centre = tube->GetCentreLine();
  ASSERT_EQ(centre.size(), 9u);
  const double expected[3][3] = {{0, 10, 0}, {0, -5, 6}, {0, -10, 6}};
  for (int i = 0; i < 3; ++i)
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(centre[3 * i + c], expected[i][c], 1e-12) << i << "," << c;

  // An edit of a line is seen at the next update.
  panoramic->GetPoints()->SetPoint(0, -10, -4, 0);
  panoramic->Modified();
  tube->Update();
  EXPECT_NEAR(tube->GetCentreLine()[2], -4, 1e-12);
}

TEST(vtkNerveTubeFilter, LinesWithoutCourseGiveNoTube) {
  vtkNew<vtkPolyData> shortLine, point, empty;
  SetLine(shortLine, {{3, 3}});
  SetLine(point, {{3, 3}, {3, 3}});
  struct Case {
    const char* name;
    vtkPolyData* axial;
    vtkPolyData* panoramic;
  } cases[] = {{"one axial point", shortLine, shortLine},
               {"axial line without length", point, shortLine},
               {"no panoramic line", point, nullptr},
               {"no points", empty, empty}};
  for (const Case& c : cases) {
    vtkNew<vtkNerveTubeFilter> tube;
    tube->SetPolyDataLineAxial(c.axial);
    tube->SetPolyDataLinePanoramic(c.panoramic);
    tube->Update();
    EXPECT_EQ(tube->GetOutput()->GetNumberOfPoints(), 0) << c.name;
  }
}

TEST(vtkNerveTubeFilter, RadiusStaysWithinOneToFive) {
  vtkNew<vtkNerveTubeFilter> tube;
  for (auto [given, kept] : {std::pair{0.2, 1.0}, {2.5, 2.5}, {9.0, 5.0}}) {
    tube->SetRadius(given);
    EXPECT_DOUBLE_EQ(tube->GetRadius(), kept);
  }
}

}  // namespace
