#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkPolyData.h>
#include <vtkProperty.h>

#include <array>
#include <vector>

#include "ArchTestSupport.h"
#include "ct/CQlmBall.h"
#include "ct/CQlmPolyLineNerve.h"

namespace {
using Point = std::array<double, 3>;
using Color = std::array<double, 3>;

std::vector<Point> LinePoints(const CQlmPolyLineNerve& line) {
  std::vector<Point> points(line.GetLinePolyData()->GetNumberOfPoints());
  for (size_t i = 0; i < points.size(); ++i) line.GetLinePolyData()->GetPoint(i, points[i].data());
  return points;
}

std::vector<Point> ShapePoints(int index) {
  CQlmPolyLineNerve line;
  line.SetShapeIndex(index);
  line.Reset();
  return LinePoints(line);
}

Color ColorOf(vtkActor* actor) {
  Color c;
  actor->GetProperty()->GetColor(c.data());
  return c;
}

TEST(CQlmPolyLineNerve, NewLineHoldsShapeZeroInYellowWithRedBalls) {
  CQlmPolyLineNerve line;
  const auto points = LinePoints(line);
  ASSERT_EQ(points.size(), 9u);
  EXPECT_EQ(points.front(), (Point{-40, -30, 0}));
  EXPECT_EQ(points.back(), (Point{-21, 26.5, 0}));
  EXPECT_EQ(ColorOf(line.GetLineActor()), (Color{1, 1, 0}));
  line.GetBalls().ForEach([](CQlmBall* ball) { EXPECT_EQ(ColorOf(ball->GetActor()), (Color{1, 0, 0})); });
  EXPECT_EQ(line.GetMaxPoints(), 30);
  EXPECT_EQ(line.GetVisible(), 1);
  EXPECT_EQ(line.GetHighlighted(), 0);
}

TEST(CQlmPolyLineNerve, ResetDrawsTheChosenDefaultShape) {
  const struct {
    int shape;
    Point first, last;
  } cases[] = {
      {0, {-40, -30, 0}, {-21, 26.5, 0}},
      {1, {21, 26.5, 0}, {40, -30, 0}},
      {2, {-32, 11, 0}, {28.5, -4, 0}},
      {3, {32, 11, 0}, {-28.5, -4, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shape);
    const auto points = ShapePoints(c.shape);
    ASSERT_EQ(points.size(), 9u);
    EXPECT_EQ(points.front(), c.first);
    EXPECT_EQ(points.back(), c.last);
  }
}

TEST(CQlmPolyLineNerve, RightAndLeftShapesMirrorEachOther) {
  const auto shape0 = ShapePoints(0), shape1 = ShapePoints(1), shape2 = ShapePoints(2), shape3 = ShapePoints(3);
  for (size_t i = 0; i < 9; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(shape1[i], (Point{-shape0[8 - i][0], shape0[8 - i][1], 0}));
    EXPECT_EQ(shape3[i], (Point{-shape2[i][0], shape2[i][1], 0}));
  }
}

TEST(CQlmPolyLineNerve, ShapeIndexOutsideTheFourShapesIsIgnored) {
  CQlmPolyLineNerve line;
  line.SetShapeIndex(2);
  line.SetShapeIndex(4);
  line.SetShapeIndex(-1);
  EXPECT_EQ(line.GetShapeIndex(), 2);
}

TEST(CQlmPolyLineNerve, ResetWithAWindowPutsTheNewBallsIntoIt) {
  ArchTestWindow window;
  CQlmPolyLineNerve line;
  line.SetWindow(&window);
  line.AddToRenderer();
  line.MoveAllPoints(Translation(4, 4));
  line.SetShapeIndex(3);
  line.Reset();
  EXPECT_EQ(window.PropCount(1), 10);
  EXPECT_TRUE(line.GetPlacementMatrix()->IsIdentity());
  EXPECT_EQ(LinePoints(line).front(), (Point{32, 11, 0}));
}

TEST(CQlmPolyLineNerve, DeleteSelectedPointReportsWhetherItDeleted) {
  CQlmPolyLineNerve line;
  while (line.GetBalls().GetCount() > 3) {
    line.SelectPoint(line.GetBalls().GetListItemAt(1)->GetActor());
    ASSERT_EQ(line.DeleteSelectedPoint(), 1);
  }
  EXPECT_EQ(line.DeleteSelectedPoint(), 0);  // none selected
  EXPECT_EQ(line.GetBalls().GetCount(), 3);
  line.SelectPoint(line.GetBalls().GetListItemAt(1)->GetActor());
  EXPECT_EQ(line.DeleteSelectedPoint(), 1);
  line.SelectPoint(line.GetBalls().GetListItemAt(1)->GetActor());
  EXPECT_EQ(line.DeleteSelectedPoint(), 0);  // two points remain
  EXPECT_EQ(LinePoints(line), (std::vector<Point>{{-40, -30, 0}, {-21, 26.5, 0}}));
}

TEST(CQlmPolyLineNerve, VisibilityCoversLineAndBalls) {
  CQlmPolyLineNerve line;
  line.SetVisibility(0);
  EXPECT_EQ(line.GetLineActor()->GetVisibility(), 0);
  line.GetBalls().ForEach([](CQlmBall* ball) { EXPECT_EQ(ball->GetActor()->GetVisibility(), 0); });
}
}  // namespace
