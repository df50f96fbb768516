// The dashed geometry of the HU measuring line and of the plot's bands.
#include <gtest/gtest.h>
#include <vtkCellArray.h>
#include <vtkMath.h>
#include <vtkPolyData.h>

#include <cmath>
#include <utility>
#include <vector>

#include "toolkit/vtkHUGridSource.h"
#include "toolkit/vtkHULineSource.h"

namespace {

using Dash = std::pair<double, double>;  // start and end distance from the first point

// The dashes of `lines` as distances along the line from `from` in `direction`.
std::vector<Dash> Dashes(vtkPolyData* lines, const double from[3], const double direction[3]) {
  std::vector<Dash> runs;
  for (vtkIdType cell = 0; cell < lines->GetNumberOfCells(); ++cell) {
    double a[3], b[3];
    lines->GetPoint(lines->GetCell(cell)->GetPointId(0), a);
    lines->GetPoint(lines->GetCell(cell)->GetPointId(1), b);
    double da[3], db[3];
    for (int i = 0; i < 3; ++i) {
      da[i] = a[i] - from[i];
      db[i] = b[i] - from[i];
    }
    runs.emplace_back(vtkMath::Dot(da, direction), vtkMath::Dot(db, direction));
  }
  return runs;
}

}  // namespace

TEST(vtkHULineSource, DrawsDashesOfOneMillimetreWithGapsOfOneBetweenItsPoints) {
  struct Case {
    const char* Name;
    double Length;
    std::vector<Dash> Expected;
  };
  const Case cases[] = {
      {"5 mm: three dashes, the last whole", 5.0, {{0, 1}, {2, 3}, {4, 5}}},
      {"4.5 mm: the last dash cut at the end", 4.5, {{0, 1}, {2, 3}, {4, 4.5}}},
      {"3.5 mm: ends in a gap", 3.5, {{0, 1}, {2, 3}}},
      {"shorter than a dash: one solid run", 0.4, {{0, 0.4}}},
  };
  const double direction[3] = {0.6, -0.8, 0.0};
  const double from[3] = {10.0, 4.0, 0.0};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    vtkNew<vtkHULineSource> source;
    source->SetPoint1(from[0], from[1], from[2]);
    source->SetPoint2(from[0] + direction[0] * c.Length, from[1] + direction[1] * c.Length, 0);
    source->Update();
    EXPECT_NEAR(source->GetSize(), c.Length, 1e-5);
    const std::vector<Dash> runs = Dashes(source->GetOutput(), from, direction);
    ASSERT_EQ(runs.size(), c.Expected.size());
    for (size_t k = 0; k < runs.size(); ++k) {
      EXPECT_NEAR(runs[k].first, c.Expected[k].first, 1e-5) << "dash " << k;
      EXPECT_NEAR(runs[k].second, c.Expected[k].second, 1e-5) << "dash " << k;
    }
  }
}

// A band of the plot: the bottom at the height of BoneMin, the top at BoneMax
// unless Top is 0, and both sides, all dashed over the plot's width.
TEST(vtkHUGridSource, OutlinesTheBandAtTheHeightsOfItsValues) {
  struct Case {
    int BoneMin, BoneMax, Top;
    double Bottom, Height;
  };
  for (const Case& c : {Case{350, 1350, 0, -35.0, -15.0}, Case{2250, 3350, 1, 3.0, 25.0}}) {
    SCOPED_TRACE(c.BoneMin);
    vtkNew<vtkHUGridSource> grid;
    grid->SetHorzSize(100);
    grid->SetBoneMin(c.BoneMin);
    grid->SetBoneMax(c.BoneMax);
    grid->SetTop(c.Top);
    grid->Update();
    vtkPolyData* output = grid->GetOutput();
    int bottom = 0, top = 0, sides = 0;
    for (vtkIdType cell = 0; cell < output->GetNumberOfCells(); ++cell) {
      double a[3], b[3];
      output->GetPoint(output->GetCell(cell)->GetPointId(0), a);
      output->GetPoint(output->GetCell(cell)->GetPointId(1), b);
      EXPECT_GE(std::min(a[0], b[0]), -50.0 - 1e-9);
      EXPECT_LE(std::max(a[0], b[0]), 50.0 + 1e-9);
      if (a[1] == b[1] && std::fabs(a[1] - c.Bottom) < 1e-9) {
        ++bottom;
      } else if (a[1] == b[1] && std::fabs(a[1] - c.Height) < 1e-9) {
        ++top;
      } else if (a[0] == b[0] && std::fabs(std::fabs(a[0]) - 50.0) < 1e-9) {
        ++sides;
      } else {
        ADD_FAILURE() << "stray dash at " << a[0] << ", " << a[1];
      }
    }
    EXPECT_EQ(bottom, 50) << "a dash every 2 units over 100";
    EXPECT_EQ(top, c.Top ? 50 : 0);
    EXPECT_GT(sides, 2);
  }
}
