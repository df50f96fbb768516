#include <gtest/gtest.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkTransform.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "ArchTestSupport.h"
#include "ct/CQlmBall.h"
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLine.h"

namespace {
using Point = std::array<double, 3>;

// The default arch's segment lengths: sqrt(522), sqrt(306), sqrt(162), sqrt(90), mirrored.
const double DefaultArchLength = 2 * (std::sqrt(522.0) + std::sqrt(306.0) + std::sqrt(162.0) + std::sqrt(90.0));

std::vector<Point> PointsOf(vtkPolyData* polyData) {
  std::vector<Point> points;
  for (vtkIdType i = 0; i < polyData->GetNumberOfPoints(); ++i) {
    Point p;
    polyData->GetPoint(i, p.data());
    points.push_back(p);
  }
  return points;
}

// Distance from p to the line through segment i, positive on the left of the drawing direction.
double SignedDistanceToSegmentLine(const std::vector<Point>& line, size_t i, const Point& p) {
  const double ux = line[i + 1][0] - line[i][0], uy = line[i + 1][1] - line[i][1];
  return (ux * (p[1] - line[i][1]) - uy * (p[0] - line[i][0])) / std::hypot(ux, uy);
}

bool AllFinite(const double* values, int count) {
  return std::all_of(values, values + count, [](double v) { return std::isfinite(v); });
}

class ArchCalc : public ::testing::Test {
protected:
  void SetUp() override { this->Calc.SetPolyLine(&this->Arch); }

  CQlmPolyLine Arch;
  CQlmPanoramicCalc Calc;
};

TEST_F(ArchCalc, NewCalculatorOnTheDefaultArchHasSeventeenCurvesAndTheArchAsCurrentCurve) {
  EXPECT_EQ(this->Calc.GetCurveCount(), 16);
  EXPECT_EQ(this->Calc.GetMiddleCurve(), 8);
  EXPECT_EQ(this->Calc.GetCurrentCurve(), 8);
  EXPECT_FLOAT_EQ(this->Calc.GetCurveSpacing(), 1.0f);
  EXPECT_NEAR(this->Calc.GetArchLength(), 125.11, 0.005);
  EXPECT_NEAR(this->Calc.GetArchLength(), DefaultArchLength, 1e-4);
  EXPECT_EQ(PointsOf(this->Calc.GetCurvePolyData()), PointsOf(this->Arch.GetLinePolyData()));
  EXPECT_EQ(this->Calc.GetCurvePolyData()->GetNumberOfLines(), 1);
}

TEST_F(ArchCalc, CurveNineLiesOneMillimetreOutsideAndIsTrimmedToTheArchLength) {
  this->Calc.SetCurrentCurve(9);
  const auto unfitted = PointsOf(this->Calc.GetUnfittedCurvePolyData());
  ASSERT_EQ(unfitted.size(), 9u);
  EXPECT_NEAR(unfitted[0][0], -36.92, 0.005);
  EXPECT_NEAR(unfitted[0][1], -23.61, 0.005);
  EXPECT_NEAR(unfitted[4][0], 0.0, 1e-5);
  EXPECT_NEAR(unfitted[4][1], 25.05, 0.005);
  for (const Point& p : unfitted) EXPECT_EQ(p[2], 0.0);

  const float half = this->Calc.GetHalfLengthCorrection();
  EXPECT_NEAR(half, 1.19, 0.005);
  EXPECT_NEAR(this->Calc.GetArchLength() + 2 * half, 127.48, 0.005);

  // The fitted curve starts `half` along the first offset segment, whose direction is the arch's first one.
  const auto fitted = PointsOf(this->Calc.GetCurvePolyData());
  const double t0[2] = {9 / std::sqrt(522.0), 21 / std::sqrt(522.0)};
  EXPECT_NEAR(fitted.front()[0], unfitted[0][0] + half * t0[0], 1e-4);
  EXPECT_NEAR(fitted.front()[1], unfitted[0][1] + half * t0[1], 1e-4);
  EXPECT_NEAR(this->Calc.GetCurveLength(), this->Calc.GetArchLength(), 1e-3);
}

TEST_F(ArchCalc, EveryCurveKeepsItsOffsetFromTheArchAndTheArchLength) {
  const auto arch = PointsOf(this->Arch.GetLinePolyData());
  for (int k : {0, 4, 7, 9, 12, 16}) {
    SCOPED_TRACE(k);
    this->Calc.SetCurrentCurve(k);
    const auto unfitted = PointsOf(this->Calc.GetUnfittedCurvePolyData());
    ASSERT_EQ(unfitted.size(), arch.size());
    // Each curve point lies at the curve's offset from both arch segments that meet at its arch point.
    for (size_t i = 0; i < unfitted.size(); ++i) {
      if (i > 0) {
        EXPECT_NEAR(SignedDistanceToSegmentLine(arch, i - 1, unfitted[i]), k - 8.0, 1e-4) << i;
      }
      if (i + 1 < arch.size()) {
        EXPECT_NEAR(SignedDistanceToSegmentLine(arch, i, unfitted[i]), k - 8.0, 1e-4) << i;
      }
    }
    EXPECT_NEAR(this->Calc.GetCurveLength(), this->Calc.GetArchLength(), 2e-3);
    EXPECT_EQ(this->Calc.GetCurvePolyData()->GetNumberOfLines(), 1);
  }
}

TEST_F(ArchCalc, InnerCurveIsExtendedAlongItsEndSegments) {
  this->Calc.SetCurrentCurve(7);
  const auto unfitted = PointsOf(this->Calc.GetUnfittedCurvePolyData());
  const auto fitted = PointsOf(this->Calc.GetCurvePolyData());
  ASSERT_EQ(fitted.size(), unfitted.size());
  const float half = this->Calc.GetHalfLengthCorrection();
  EXPECT_LT(half, 0.0f);
  const double t0[2] = {9 / std::sqrt(522.0), 21 / std::sqrt(522.0)};
  EXPECT_NEAR(fitted[0][0], unfitted[0][0] + half * t0[0], 1e-4);
  EXPECT_NEAR(fitted[0][1], unfitted[0][1] + half * t0[1], 1e-4);
  EXPECT_NEAR(fitted.back()[0], unfitted.back()[0] - half * t0[0], 1e-4);
  for (size_t i = 1; i + 1 < fitted.size(); ++i) EXPECT_EQ(fitted[i], unfitted[i]);
}

TEST_F(ArchCalc, AnArchEditIsSeenAtTheNextUpdate) {
  this->Arch.GetBalls().GetListItemAt(4)->GetTransform()->Translate(0, 6, 0);
  this->Arch.BuildLine();
  this->Calc.Update();
  EXPECT_EQ(PointsOf(this->Calc.GetCurvePolyData())[4], (Point{0, 30, 0}));
}

TEST_F(ArchCalc, CurrentCurveOutsideTheFamilyIsIgnored) {
  const struct { int requested, expected; } cases[] = {{17, 8}, {-1, 8}, {8, 8}, {16, 16}, {0, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.requested);
    CQlmPanoramicCalc calc;
    calc.SetPolyLine(&this->Arch);
    calc.SetCurrentCurve(c.requested);
    EXPECT_EQ(calc.GetCurrentCurve(), c.expected);
  }
}

TEST_F(ArchCalc, NumberOfCurvesMovesTheCurrentCurveWithTheMiddle) {
  const struct {
    int curves, current, count, middle, expectedCurrent;
  } cases[] = {
      {17, 12, 16, 8, 12},                                          // unchanged count
      {16, 12, 15, 7, 11}, {41, 12, 40, 20, 24}, {3, 12, 2, 1, 2},  // capped at the count
      {1, 0, 2, 1, 0},                                              // raised to 0
      {2, 8, 2, 1, 1},     {0, 12, 16, 8, 12},   {-4, 12, 16, 8, 12},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.curves);
    CQlmPanoramicCalc calc;
    calc.SetPolyLine(&this->Arch);
    calc.SetCurrentCurve(c.current);
    calc.SetNumberOfCurves(c.curves);
    EXPECT_EQ(calc.GetCurveCount(), c.count);
    EXPECT_EQ(calc.GetMiddleCurve(), c.middle);
    EXPECT_EQ(calc.GetCurrentCurve(), c.expectedCurrent);
  }
}

TEST_F(ArchCalc, SpacingKeepsTheFamilyWidthAndTheCurrentOffsetAfterTheCountFollows) {
  this->Calc.SetCurveSpacing(0.5f);
  this->Calc.SetNumberOfCurves(17);
  this->Calc.SetCurrentCurve(12);

  this->Calc.SetCurveSpacing(1.0f);
  EXPECT_EQ(this->Calc.GetCurveCount(), 8);
  EXPECT_EQ(this->Calc.GetMiddleCurve(), 4);
  EXPECT_EQ(this->Calc.GetCurrentCurve(), 6);

  this->Calc.SetNumberOfCurves(17);
  EXPECT_EQ(this->Calc.GetCurveCount(), 16);
  EXPECT_EQ(this->Calc.GetMiddleCurve(), 8);
  EXPECT_EQ(this->Calc.GetCurrentCurve(), 10);
}

TEST_F(ArchCalc, UnusableSpacingIsIgnored) {
  for (float spacing :
       {1.0f, 0.0f, -2.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
    SCOPED_TRACE(spacing);
    this->Calc.SetCurveSpacing(spacing);
    EXPECT_EQ(this->Calc.GetCurveCount(), 16);
    EXPECT_FLOAT_EQ(this->Calc.GetCurveSpacing(), 1.0f);
  }
}

TEST_F(ArchCalc, SpacingWiderThanTheFamilyLeavesNoCurvesUntilTheCountFollows) {
  this->Calc.SetCurrentCurve(12);
  this->Calc.SetCurveSpacing(100.0f);
  EXPECT_EQ(this->Calc.GetCurveCount(), 0);
  EXPECT_EQ(this->Calc.GetCurrentCurve(), 0);
  this->Calc.SetCurveSpacing(50.0f);  // from an empty family: no division by its zero count
  EXPECT_EQ(this->Calc.GetCurveCount(), 0);
  EXPECT_EQ(this->Calc.GetCurrentCurve(), 0);
  this->Calc.SetNumberOfCurves(17);
  EXPECT_EQ(this->Calc.GetCurveCount(), 16);
  EXPECT_EQ(this->Calc.GetCurrentCurve(), 8);
  EXPECT_NEAR(this->Calc.GetCurveLength(), this->Calc.GetArchLength(), 1e-3);
}

TEST_F(ArchCalc, SectionMatrixAtTheStart) {
  double m[16];
  this->Calc.GetSectionMatrix(0.0f, m);
  const double a = 21 / std::sqrt(522.0), b = 9 / std::sqrt(522.0);
  const double expected[16] = {a, 0, -b, -36, -b, 0, -a, -24, 0, 1, 0, 0, 0, 0, 0, 1};
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(m[i], expected[i], 1e-6) << "element " << i;
}

TEST_F(ArchCalc, SectionsBeyondTheEndsKeepTheEndOrientationAndContinueTheEndSegments) {
  const float length = this->Calc.GetArchLength();
  const double t0[2] = {9 / std::sqrt(522.0), 21 / std::sqrt(522.0)};
  const struct {
    float inside, outside;
    double origin[2];
  } cases[] = {
      {0.0f, -5.0f, {-36 - 5 * t0[0], -24 - 5 * t0[1]}},
      {length, length + 5.0f, {36 + 5 * t0[0], -24 - 5 * t0[1]}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.outside);
    double atEnd[16], beyond[16];
    this->Calc.GetSectionMatrix(c.inside, atEnd);
    this->Calc.GetSectionMatrix(c.outside, beyond);
    for (int i : {0, 1, 2, 4, 5, 6, 8, 9, 10}) EXPECT_NEAR(beyond[i], atEnd[i], 1e-6) << "element " << i;
    EXPECT_NEAR(beyond[3], c.origin[0], 1e-4);
    EXPECT_NEAR(beyond[7], c.origin[1], 1e-4);
  }
}

TEST_F(ArchCalc, SectionTurnsFromTheSegmentDirectionAtItsMiddleToTheBisectorAtAVertex) {
  const float l[4] = {std::sqrt(522.0f), std::sqrt(306.0f), std::sqrt(162.0f), std::sqrt(90.0f)};
  const float apex = l[0] + l[1] + l[2] + l[3];
  const float middleOfThird = l[0] + l[1] + l[2] * 0.5f;
  const double r = 1 / std::sqrt(2.0);
  const struct {
    float s;
    double localZ[3];
  } cases[] = {{apex, {-1, 0, 0}}, {middleOfThird, {-r, -r, 0}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.s);
    double m[16];
    this->Calc.GetSectionMatrix(c.s, m);
    EXPECT_NEAR(m[2], c.localZ[0], 1e-5);
    EXPECT_NEAR(m[6], c.localZ[1], 1e-5);
    EXPECT_NEAR(m[10], c.localZ[2], 1e-5);
  }
}

TEST_F(ArchCalc, SectionLineMatrixPointsAcrossTheArchToTheLeft) {
  double m[16];
  this->Calc.GetSectionLineMatrix(0.0f, m);
  const double a = 21 / std::sqrt(522.0), b = 9 / std::sqrt(522.0);
  const double expected[16] = {-a, b, 0, -36, 0, 0, -1, -24, b, a, 0, 0, 0, 0, 0, 1};
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(m[i], expected[i], 1e-6) << "element " << i;
}

TEST_F(ArchCalc, TwoPointArchGivesPlanesOfOneDirection) {
  ASSERT_TRUE(this->Arch.SetPoints(2, std::array<float, 6>{0, 0, 0, 30, 40, 0}.data()));
  this->Calc.Update();
  for (float s : {-10.0f, 0.0f, 25.0f, 50.0f, 60.0f}) {
    double m[16];
    this->Calc.GetSectionMatrix(s, m);
    EXPECT_NEAR(m[2], -0.6, 1e-6);
    EXPECT_NEAR(m[6], -0.8, 1e-6);
    EXPECT_NEAR(m[3], 0.6 * s, 1e-4);
  }
}

TEST_F(ArchCalc, SegmentQueriesOnTheCurrentCurve) {
  const float first = std::sqrt(522.0f);
  EXPECT_EQ(this->Calc.GetSegmentAt(0.0f), 0);
  EXPECT_EQ(this->Calc.GetSegmentAt(first), 1);  // an inner vertex gives the following segment
  EXPECT_EQ(this->Calc.GetSegmentAt(this->Calc.GetCurveLength()), 8);
  EXPECT_EQ(this->Calc.GetSegmentAt(1000.0f), 8);
  EXPECT_FLOAT_EQ(this->Calc.GetSegmentLength(0), first);
  for (int outside : {-1, 8, 1000}) EXPECT_EQ(this->Calc.GetSegmentLength(outside), 0.0f) << outside;

  double strip[16];
  this->Calc.GetStripMatrix(0, strip);
  const double t[2] = {9 / std::sqrt(522.0), 21 / std::sqrt(522.0)};
  const double expected[16] = {-t[0], 0, -t[1], -31.5, -t[1], 0, t[0], -13.5, 0, 1, 0, 0, 0, 0, 0, 1};
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(strip[i], expected[i], 1e-6) << "element " << i;

  double clamped[16], last[16];
  this->Calc.GetStripMatrix(8, clamped);
  this->Calc.GetStripMatrix(7, last);
  EXPECT_TRUE(std::equal(clamped, clamped + 16, last));
}

TEST_F(ArchCalc, CollinearPointsGiveTheirPlainOffset) {
  ASSERT_TRUE(this->Arch.SetPoints(5, std::array<float, 15>{-20, 0, 0, -10, 0, 0, 0, 0, 0, 10, 0, 0, 20, 0, 0}.data()));
  this->Calc.Update();
  this->Calc.SetCurrentCurve(10);
  const auto unfitted = PointsOf(this->Calc.GetUnfittedCurvePolyData());
  ASSERT_EQ(unfitted.size(), 5u);
  for (size_t i = 0; i < unfitted.size(); ++i) {
    EXPECT_NEAR(unfitted[i][0], -20.0 + 10.0 * i, 1e-5);
    EXPECT_NEAR(unfitted[i][1], 2.0, 1e-5);
  }
}

TEST_F(ArchCalc, CoincidentPointsShareTheMitreOfTheirVertex) {
  ASSERT_TRUE(this->Arch.SetPoints(4, std::array<float, 12>{-20, -10, 0, 0, 10, 0, 0, 10, 0, 20, -10, 0}.data()));
  this->Calc.Update();
  this->Calc.SetCurrentCurve(9);
  const auto unfitted = PointsOf(this->Calc.GetUnfittedCurvePolyData());
  ASSERT_EQ(unfitted.size(), 4u);
  for (size_t i : {1, 2}) {
    EXPECT_NEAR(unfitted[i][0], 0.0, 1e-5);
    EXPECT_NEAR(unfitted[i][1], 10.0 + std::sqrt(2.0), 1e-5);
  }
  double m[16];
  this->Calc.GetSectionMatrix(std::sqrt(800.0f), m);  // at the doubled vertex: the bisector
  EXPECT_NEAR(m[2], -1.0, 1e-5);
  EXPECT_NEAR(m[6], 0.0, 1e-5);
}

TEST_F(ArchCalc, DegenerateArchesGiveFiniteResults) {
  const std::vector<std::vector<float>> arches = {
      {-20, 0, 0, -10, 0, 0, 0, 0, 0, 10, 0, 0, 20, 0, 0},  // collinear
      {-20, -10, 0, 0, 10, 0, 0, 10, 0, 20, -10, 0},        // two coincident points
      {0, 0, 0, 0, 0, 0, 10, 5, 0, 20, 0, 0, 20, 0, 0},     // coincident ends
      {0, 0, 0, 10, 0, 0, 0, 0, 0},                         // turning back on itself
      {5, 5, 0, 5, 5, 0, 5, 5, 0},                          // one place only
      {0, 0, 0, 0, 0, 10, 10, 0, 10},                       // a vertical segment
  };
  for (size_t a = 0; a < arches.size(); ++a) {
    ASSERT_TRUE(this->Arch.SetPoints(static_cast<int>(arches[a].size() / 3), arches[a].data()));
    this->Calc.Update();
    for (int k : {0, 7, 8, 9, 16}) {
      SCOPED_TRACE(testing::Message() << "arch " << a << " curve " << k);
      this->Calc.SetCurrentCurve(k);
      EXPECT_EQ(this->Calc.GetUnfittedCurvePolyData()->GetNumberOfPoints(),
                static_cast<vtkIdType>(arches[a].size() / 3));
      for (vtkPolyData* curve : {this->Calc.GetCurvePolyData(), this->Calc.GetUnfittedCurvePolyData()}) {
        for (const Point& p : PointsOf(curve)) EXPECT_TRUE(AllFinite(p.data(), 3));
      }
      const float length = this->Calc.GetCurveLength();
      EXPECT_TRUE(std::isfinite(length));
      for (float s : {-5.0f, 0.0f, length / 3, length, length + 5}) {
        double m[16];
        float p[3];
        this->Calc.GetSectionMatrix(s, m);
        EXPECT_TRUE(AllFinite(m, 16));
        this->Calc.GetCurveSectionMatrix(s, m);
        EXPECT_TRUE(AllFinite(m, 16));
        this->Calc.GetSectionLineMatrix(s, m);
        EXPECT_TRUE(AllFinite(m, 16));
        this->Calc.GetCurvePoint(s, p);
        EXPECT_TRUE(std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]));
        this->Calc.GetStripMatrix(this->Calc.GetSegmentAt(s), m);
        EXPECT_TRUE(AllFinite(m, 16));
      }
    }
  }
}

TEST(PanoramicCalcUnbound, QueriesWithoutAnArchAreDefined) {
  CQlmPanoramicCalc calc;
  EXPECT_EQ(calc.GetArchLength(), -1.0f);
  EXPECT_EQ(calc.GetCurveLength(), -1.0f);
  calc.SetCurrentCurve(9);
  double m[16];
  calc.GetSectionMatrix(3.0f, m);
  EXPECT_TRUE(AllFinite(m, 16));
  calc.GetStripMatrix(0, m);
  EXPECT_TRUE(AllFinite(m, 16));
}
}  // namespace
