#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkProperty.h>

#include <array>
#include <cmath>
#include <vector>

#include "ArchTestSupport.h"
#include "ct/CQlmBall.h"
#include "ct/CQlmPolyLine.h"

namespace {
using Point = std::array<double, 3>;
using Color = std::array<double, 3>;

Point BallPoint(const CQlmPolyLine& line, int index) {
  Point p;
  line.GetBalls().GetListItemAt(index)->GetPosition(p.data());
  return p;
}

Point LinePoint(const CQlmPolyLine& line, int index) {
  Point p;
  line.GetLinePolyData()->GetPoint(index, p.data());
  return p;
}

Color ColorOf(vtkActor* actor) {
  Color c;
  actor->GetProperty()->GetColor(c.data());
  return c;
}

void SetLine(CQlmPolyLine& line, std::vector<float> xyz) {
  ASSERT_TRUE(line.SetPoints(static_cast<int>(xyz.size() / 3), xyz.data()));
}

std::vector<float> PointsAlongX(int count) {
  std::vector<float> xyz;
  for (int i = 0; i < count; ++i) xyz.insert(xyz.end(), {static_cast<float>(10 * i), 0.0f, 0.0f});
  return xyz;
}

TEST(CQlmPolyLine, NewLineIsTheDefaultArchWithSixtyThreeTicks) {
  CQlmPolyLine arch;
  const double x[9] = {-36, -27, -18, -9, 0, 9, 18, 27, 36};
  const double y[9] = {-24, -3, 12, 21, 24, 21, 12, -3, -24};
  ASSERT_EQ(arch.GetBalls().GetCount(), 9);
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(BallPoint(arch, i), (Point{x[i], y[i], 0})) << i;
    EXPECT_EQ(LinePoint(arch, i), (Point{x[i], y[i], 0})) << i;
  }
  EXPECT_NEAR(arch.GetLength(), 125.11, 0.005);

  vtkPolyData* ticks = arch.GetMarksPolyData();
  ASSERT_EQ(ticks->GetNumberOfLines(), 63);
  ASSERT_EQ(ticks->GetNumberOfPoints(), 126);
  Point a, b;
  ticks->GetPoint(0, a.data());
  ticks->GetPoint(1, b.data());
  EXPECT_NEAR(a[0], -21.29, 0.005);
  EXPECT_NEAR(a[1], -30.30, 0.005);
  EXPECT_NEAR(b[0], -50.71, 0.005);
  EXPECT_NEAR(b[1], -17.70, 0.005);
  for (vtkIdType i = 0; i < 126; i += 2) {
    ticks->GetPoint(i, a.data());
    ticks->GetPoint(i + 1, b.data());
    EXPECT_NEAR(std::hypot(a[0] - b[0], a[1] - b[1]), 32.0, 1e-4) << "tick " << i / 2;
  }
  // The last tick crosses the line at s = 124.
  float atLast[3];
  arch.GetPoint(124.0f, atLast);
  ticks->GetPoint(124, a.data());
  ticks->GetPoint(125, b.data());
  EXPECT_NEAR((a[0] + b[0]) / 2, atLast[0], 1e-4);
  EXPECT_NEAR((a[1] + b[1]) / 2, atLast[1], 1e-4);

  EXPECT_EQ(ColorOf(arch.GetLineActor()), (Color{1, 1, 1}));
  EXPECT_EQ(ColorOf(arch.GetMarksActor()), (Color{0.5, 0.5, 1}));
  EXPECT_EQ(ColorOf(arch.GetBalls().GetFirst()->GetActor()), (Color{1, 0, 0}));
  EXPECT_EQ(arch.GetMarksActor()->GetPickable(), 0);
  EXPECT_EQ(arch.GetMaxPoints(), 30);
}

TEST(CQlmPolyLine, InsertPointGoesIntoTheNearestSegmentWhoseFootLiesInside) {
  const std::vector<float> defaultArch;
  const struct {
    const char* name;
    std::vector<float> line;  // empty: the default arch
    double click[2];
    int inserted;  // index of the new ball, -1 for none
  } cases[] = {
      {"near the apex", {}, {-4, 24}, 4},
      {"below the open end", {}, {36, -60}, -1},
      {"horizontal segment", {-10, 0, 0, 10, 0, 0}, {3, 2}, 1},
      {"vertical segment", {0, -10, 0, 0, 10, 0}, {1, 5}, 1},
      {"beyond the end", {-10, 0, 0, 10, 0, 0}, {15, 1}, -1},
      {"foot on an end point", {-10, 0, 0, 10, 0, 0}, {10, 2}, -1},
      {"too far away", {-10, 0, 0, 10, 0, 0}, {0, 2000}, -1},
      {"nearer of two segments", {-10, 0, 0, 0, 0, 0, 0, 10, 0}, {-1, 3}, 2},
      {"full line", PointsAlongX(30), {15, 1}, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CQlmPolyLine line;
    if (!c.line.empty()) SetLine(line, c.line);
    const int before = line.GetBalls().GetCount();
    line.InsertPoint(Translation(c.click[0], c.click[1]));
    if (c.inserted < 0) {
      EXPECT_EQ(line.GetBalls().GetCount(), before);
      continue;
    }
    ASSERT_EQ(line.GetBalls().GetCount(), before + 1);
    EXPECT_EQ(BallPoint(line, c.inserted), (Point{c.click[0], c.click[1], 0}));
    EXPECT_EQ(LinePoint(line, c.inserted), (Point{c.click[0], c.click[1], 0}));
    EXPECT_EQ(line.GetBalls().GetSelectedIndex(), c.inserted);
  }
}

TEST(CQlmPolyLine, NewPointIsTheOnlySelectedOneAndJoinsTheWindow) {
  ArchTestWindow window;
  CQlmPolyLine line;
  line.SetWindow(&window);
  line.GetBalls().GetListItemAt(0)->SetSelected(1);
  line.InsertPoint(Translation(-4, 24));
  line.AddPointAtNearestEnd(Translation(-40, -30));
  CQlmBall* head = line.GetBalls().GetFirst();
  EXPECT_EQ(line.GetBalls().GetSelectedIndex(), 0);
  int selected = 0;
  line.GetBalls().ForEach([&](CQlmBall* ball) { selected += ball->GetSelected(); });
  EXPECT_EQ(selected, 1);
  EXPECT_TRUE(window.Holds(1, head->GetActor()));
  EXPECT_TRUE(window.Holds(1, line.GetBalls().GetListItemAt(5)->GetActor()));
}

TEST(CQlmPolyLine, AddPointAtNearestEndPrefersTheTailOnATie) {
  const struct {
    double click[2];
    int index;
  } cases[] = {{{0, 5}, 2}, {{-12, 0}, 0}, {{12, 0}, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.click[0]);
    CQlmPolyLine line;
    SetLine(line, {-10, 0, 0, 10, 0, 0});
    line.AddPointAtNearestEnd(Translation(c.click[0], c.click[1]));
    ASSERT_EQ(line.GetBalls().GetCount(), 3);
    EXPECT_EQ(BallPoint(line, c.index), (Point{c.click[0], c.click[1], 0}));
  }
  CQlmPolyLine full;
  SetLine(full, PointsAlongX(30));
  full.AddPointAtNearestEnd(Translation(-5, 0));
  EXPECT_EQ(full.GetBalls().GetCount(), 30);
}

TEST(CQlmPolyLine, DeleteSelectedPointKeepsAtLeastTwoPoints) {
  const struct {
    int points;
    bool select;
    int deleted, remaining;
  } cases[] = {{3, true, 1, 2}, {2, true, 0, 2}, {3, false, 0, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.points);
    CQlmPolyLine line;
    SetLine(line, PointsAlongX(c.points));
    if (c.select) line.SelectPoint(line.GetBalls().GetListItemAt(1)->GetActor());
    EXPECT_EQ(line.DeleteSelectedPoint(), c.deleted);
    EXPECT_EQ(line.GetBalls().GetCount(), c.remaining);
    EXPECT_EQ(line.GetLinePolyData()->GetNumberOfPoints(), c.remaining);
  }
}

TEST(CQlmPolyLine, SelectingAndMovingOnePoint) {
  CQlmPolyLine line;
  EXPECT_EQ(line.GetSelectedPointMatrix(), nullptr);
  CQlmBall* third = line.GetBalls().GetListItemAt(2);
  EXPECT_EQ(line.SelectPoint(third->GetActor()), 1);
  EXPECT_EQ(line.GetSelectedPointMatrix(), third->GetMatrix());

  line.MoveSelectedPoint(Translation(-20, 15, 1));
  EXPECT_EQ(LinePoint(line, 2), (Point{-20, 15, 1}));

  CQlmBall stranger;
  EXPECT_EQ(line.SelectPoint(stranger.GetActor()), 0);
  EXPECT_EQ(line.GetSelectedPointMatrix(), nullptr);
  line.MoveSelectedPoint(Translation(0, 0));
  EXPECT_EQ(LinePoint(line, 2), (Point{-20, 15, 1}));
}

TEST(CQlmPolyLine, MoveAllPointsShiftsByTheChangeOfPlacement) {
  CQlmPolyLine line;
  line.MoveAllPoints(Translation(5, -2));
  EXPECT_EQ(LinePoint(line, 0), (Point{-31, -26, 0}));
  EXPECT_EQ(line.GetPlacementMatrix()->GetElement(0, 3), 5);
  line.MoveAllPoints(Translation(6, -2));
  EXPECT_EQ(LinePoint(line, 0), (Point{-30, -26, 0}));
  EXPECT_EQ(LinePoint(line, 8), (Point{42, -26, 0}));
  EXPECT_NEAR(line.GetLength(), 125.11, 0.005);
}

TEST(CQlmPolyLine, StraightLineHasHiddenBallsAndElevenTicks) {
  ArchTestWindow window;
  CQlmPolyLine line;
  line.SetWindow(&window);
  line.MoveAllPoints(Translation(3, 3));
  line.SetStraightLine(-10, 0, 10, 0);
  ASSERT_EQ(line.GetBalls().GetCount(), 2);
  EXPECT_FLOAT_EQ(line.GetLength(), 20.0f);
  EXPECT_EQ(line.GetMarksPolyData()->GetNumberOfLines(), 11);
  EXPECT_TRUE(line.GetPlacementMatrix()->IsIdentity());
  line.GetBalls().ForEach([&](CQlmBall* ball) {
    EXPECT_EQ(ball->GetActor()->GetVisibility(), 0);
    EXPECT_TRUE(window.Holds(1, ball->GetActor()));
  });
}

TEST(CQlmPolyLine, SetPointsRefusesCountsAStoredLineCannotHold) {
  CQlmPolyLine line;
  const std::vector<float> many = PointsAlongX(51);
  EXPECT_FALSE(line.SetPoints(1, many.data()));
  EXPECT_FALSE(line.SetPoints(51, many.data()));
  EXPECT_FALSE(line.SetPoints(3, nullptr));
  EXPECT_EQ(line.GetBalls().GetCount(), 9);
  EXPECT_TRUE(line.SetPoints(50, many.data()));
  EXPECT_EQ(line.GetBalls().GetCount(), 50);
}

TEST(CQlmPolyLine, TicksFollowSpacingAndWidth) {
  const struct {
    int spacing, width, ticks;
  } cases[] = {{2, 32, 63}, {5, 32, 26}, {1, 10, 126}, {0, 32, 0}, {-3, 32, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.spacing);
    CQlmPolyLine line;
    line.SetSectionSpacing(c.spacing);
    line.SetSectionWidth(c.width);
    vtkPolyData* ticks = line.GetMarksPolyData();
    ASSERT_EQ(ticks->GetNumberOfLines(), c.ticks);
    if (c.ticks == 0) continue;
    Point a, b;
    ticks->GetPoint(2, a.data());
    ticks->GetPoint(3, b.data());
    EXPECT_NEAR(std::hypot(a[0] - b[0], a[1] - b[1]), c.width, 1e-4);
  }
}

TEST(CQlmPolyLine, PointAtArcLengthStopsAtTheEnds) {
  CQlmPolyLine line;
  const float first = std::sqrt(522.0f);
  const struct {
    float s;
    Point expected;
  } cases[] = {{-3, {-36, -24, 0}},
               {0, {-36, -24, 0}},
               {first / 2, {-31.5, -13.5, 0}},
               {first, {-27, -3, 0}},
               {1000, {36, -24, 0}}};
  for (const auto& c : cases) {
    float p[3];
    line.GetPoint(c.s, p);
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(p[k], c.expected[k], 1e-5) << "s " << c.s;
  }
  double before[16], atStart[16];
  line.GetSectionLineMatrix(-5.0f, before);
  line.GetSectionLineMatrix(0.0f, atStart);
  EXPECT_TRUE(std::equal(before, before + 16, atStart));
}

TEST(CQlmPolyLine, TicksShowOnlyWhileEnabledAndTheLineIsVisible) {
  CQlmPolyLine line;
  vtkActor* ticks = line.GetMarksActor();
  line.SetSectionMarksVisibility(0);
  line.SetVisibility(0);
  line.SetSectionMarksVisibility(1);
  EXPECT_EQ(ticks->GetVisibility(), 0);
  EXPECT_EQ(line.GetLineActor()->GetVisibility(), 0);
  EXPECT_EQ(line.GetBalls().GetFirst()->GetActor()->GetVisibility(), 0);
  line.SetVisibility(1);
  EXPECT_EQ(ticks->GetVisibility(), 1);

  line.SetSectionMarksVisibility(0);
  EXPECT_EQ(ticks->GetVisibility(), 0);
  line.SetVisibility(0);
  line.SetVisibility(1);
  EXPECT_EQ(ticks->GetVisibility(), 0);
  EXPECT_EQ(line.GetLineActor()->GetVisibility(), 1);
}

TEST(CQlmPolyLine, HighlightOverridesTheLineTickAndBallColours) {
  CQlmPolyLine line;
  line.SetLineColor(1, 0, 0);
  EXPECT_EQ(ColorOf(line.GetLineActor()), (Color{1, 0, 0}));
  line.SetHighlight(1);
  EXPECT_EQ(ColorOf(line.GetLineActor()), (Color{1, 1, 1}));
  line.SetLineColor(0, 1, 0);
  line.SetBallColor(0, 0, 1);
  EXPECT_EQ(ColorOf(line.GetLineActor()), (Color{1, 1, 1}));
  EXPECT_EQ(ColorOf(line.GetBalls().GetFirst()->GetActor()), (Color{1, 0, 0}));
  line.SetHighlight(0);
  EXPECT_EQ(ColorOf(line.GetLineActor()), (Color{0, 1, 0}));
  line.SetBallSelectionColor(0, 1, 1);
  line.SelectPoint(line.GetBalls().GetFirst()->GetActor());
  EXPECT_EQ(ColorOf(line.GetBalls().GetFirst()->GetActor()), (Color{0, 1, 1}));
}

TEST(CQlmPolyLine, ActorsJoinAndLeaveLayerOne) {
  ArchTestWindow window;
  {
    CQlmPolyLine line;
    line.AddToRenderer();  // no window yet: nothing
    line.SetWindow(&window);
    line.AddToRenderer();
    EXPECT_EQ(window.PropCount(1), 11);
    EXPECT_TRUE(window.Holds(1, line.GetLineActor()));
    EXPECT_TRUE(window.Holds(1, line.GetMarksActor()));
    line.RemoveFromRenderer();
    EXPECT_EQ(window.PropCount(1), 0);

    line.AddToRenderer();
    line.SetStraightLine(0, 0, 10, 0);
    EXPECT_EQ(window.PropCount(1), 4);
    line.Reset();
    EXPECT_EQ(window.PropCount(1), 11);
    EXPECT_EQ(line.GetBalls().GetFirst()->GetActor()->GetVisibility(), 1);
  }
  EXPECT_EQ(window.PropCount(1), 0);
}
}  // namespace
