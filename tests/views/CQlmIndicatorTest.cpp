#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkActor2DCollection.h>
#include <vtkCoordinate.h>
#include <vtkImageData.h>
#include <vtkPolyData.h>
#include <vtkProperty.h>

#include <cmath>
#include <string>
#include <vector>

#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLine.h"
#include "toolkit/vtkWin32TextMapper2.h"
#include "toolkit/vtkWin32TextMapperCollection2.h"
#include "views/CQlmIndicator.h"
#include "views/CQlmIndicatorAxial.h"
#include "views/CQlmIndicatorAxial3D.h"
#include "views/CQlmIndicatorAxialCross.h"
#include "views/CQlmIndicatorAxialPan.h"
#include "views/CQlmIndicatorCross.h"
#include "views/CQlmIndicatorCross3D.h"
#include "views/CQlmIndicatorCrossAxial.h"
#include "views/CQlmIndicatorCrossPan.h"
#include "views/CQlmIndicatorPan.h"
#include "views/CQlmIndicatorPan3D.h"
#include "views/CQlmIndicatorPanAxial.h"
#include "views/CQlmIndicatorPanCross.h"
#include "views/QlmView.h"

namespace {

std::string Text(vtkWin32TextMapper2* label) { return label->GetInput() ? label->GetInput() : ""; }

std::vector<double> Position(vtkActor2D* actor) {
  const double* value = actor->GetPositionCoordinate()->GetValue();
  return {value[0], value[1], value[2]};
}

std::vector<std::string> TickTexts(CQlmIndicatorCrossLines& lines) {
  std::vector<std::string> texts;
  vtkWin32TextMapperCollection2* numbers = lines.GetTickNumbers();
  numbers->InitTraversal();
  while (vtkWin32TextMapper2* number = numbers->GetNextItem()) texts.push_back(Text(number));
  return texts;
}

// A straight arch 100 mm long from (-50, 0) to (50, 0): the section lines run
// along y, the section at arc length s stands at x = s - 50.
class StraightArch : public ::testing::Test {
protected:
  void SetUp() override {
    this->Arch.SetStraightLine(-50, 0, 50, 0);
    this->Calc.SetPolyLine(&this->Arch);
    this->Volume->SetDimensions(40, 30, 20);
    this->Volume->SetSpacing(2.5, 2.5, 1.25);
    this->Volume->SetOrigin(-50, -37.5, 7.5);
    this->Indicator->Initialize(&this->Calc, this->Volume);
    this->Indicator->SetSectionGeometry(32, 2, 1, 17);  // curves 0 .. 16, middle 8
  }
  void TearDown() override { CQlmIndicator::Delete(this->Indicator); }

  CQlmIndicatorCrossAxial& CrossAxial() { return *this->Indicator->Cross->CrossAxial; }
  CQlmIndicatorCrossPan& CrossPan() { return *this->Indicator->Cross->CrossPan; }

  CQlmPolyLine Arch;
  CQlmPanoramicCalc Calc;
  vtkNew<vtkImageData> Volume;
  CQlmIndicator* Indicator = CQlmIndicator::New();
};

TEST_F(StraightArch, InitializeTakesTheVolumeExtentsSpacingAndOrigin) {
  const CQlmIndicatorAxialRange& range = this->Indicator->Axial->AxialPan->GetRange();
  EXPECT_EQ(range.Count, 20);
  EXPECT_FLOAT_EQ(range.Height, 25.0f);
  EXPECT_EQ(this->CrossAxial().GetRange().Maximum, 42);  // 100 / 2 - 8
  EXPECT_FLOAT_EQ(this->CrossPan().GetLineLength(), 25.0f);
  // Slice 0's level is the volume's origin z.
  this->Indicator->SetAxialIndex(1);
  this->Indicator->SetAxialIndex(0);
  EXPECT_EQ(Text(this->Indicator->Axial->AxialPan->GetLabel()), "7.50");
  EXPECT_EQ(Text(this->Indicator->Axial->AxialCross->GetLabel()), "7.50");
  EXPECT_EQ(Text(this->Indicator->Axial->Axial3D->GetLabel()), "7.50");
}

TEST_F(StraightArch, AxialIndexOutsideItsRangeOrUnchangedRebuildsNothing) {
  this->Indicator->SetAxialIndex(5);
  vtkPolyData* line = this->Indicator->Axial->AxialPan->GetLine();
  const vtkMTimeType built = line->GetMTime();
  for (int ignored : {5, -1, 21}) {
    this->Indicator->SetAxialIndex(ignored);
    EXPECT_EQ(line->GetMTime(), built) << ignored;
    EXPECT_EQ(this->Indicator->Axial->AxialCross->GetRange().Index, 5) << ignored;
  }
  this->Indicator->SetAxialIndex(20);
  EXPECT_EQ(this->Indicator->Axial->Axial3D->GetRange().Index, 20) << "the count itself is accepted";
}

TEST(IndicatorAxialRange, ShrinkingRangesRescaleTheIndexAndBadLengthsAreIgnored) {
  CQlmIndicatorAxialRange range;  // height 25, spacing 1: 25 slices
  ASSERT_TRUE(range.SetIndex(20));
  EXPECT_TRUE(range.SetSpacing(2.0f));  // 13 slices
  EXPECT_EQ(range.Count, 13);
  EXPECT_EQ(range.Index, 10);  // trunc(13 * 20 / 25)
  for (float bad : {0.0f, -1.0f, NAN, INFINITY}) {
    EXPECT_FALSE(range.SetSpacing(bad)) << bad;
    EXPECT_EQ(range.Count, 13);
  }
  EXPECT_FALSE(range.SetHeight(NAN));
  EXPECT_TRUE(range.SetHeight(0.0f));
  EXPECT_EQ(range.Count, 0);
  EXPECT_EQ(range.Index, 0);
}

TEST(IndicatorMember, LabelFollowsItsIndicatorAndWaitsWhileItIsHidden) {
  CQlmIndicatorAxialPan* member = CQlmIndicatorAxialPan::New();
  vtkActor2D* label = member->GetLabelActor();
  EXPECT_FALSE(label->GetVisibility()) << "hidden at creation";
  member->SetLabelVisibility(1);
  EXPECT_TRUE(label->GetVisibility());
  member->SetVisibility(0);
  EXPECT_FALSE(label->GetVisibility());
  EXPECT_EQ(member->GetLabelWanted(), 1);
  member->SetVisibility(1);
  EXPECT_TRUE(label->GetVisibility()) << "the label comes back with the indicator";

  member->SetLabelVisibility(0);
  member->SetVisibility(0);
  member->SetLabelVisibility(1);
  EXPECT_FALSE(label->GetVisibility()) << "waits for the indicator";
  member->SetVisibility(1);
  EXPECT_TRUE(label->GetVisibility());
  CQlmIndicatorMember::Delete(member);
}

TEST_F(StraightArch, NineNumbersReadTheArcLengthsAndAlternateBeyondTheLineEnd) {
  this->Indicator->SetCrossIndex(0);
  ASSERT_EQ(this->CrossAxial().GetRange().Index, 0);
  for (int k = 0; k < 9; ++k) {
    EXPECT_EQ(Text(this->CrossAxial().GetLabel(k)), std::to_string(2 * k)) << k;
    const std::vector<double> at = Position(this->CrossAxial().GetLabelActor(k));
    EXPECT_NEAR(at[0], 2 * k - 50, 1e-4) << k;
    EXPECT_NEAR(at[1], 16 + (k % 2 == 0 ? 3 : 8), 1e-4) << k;
  }
  vtkPolyData* centre = this->CrossAxial().GetCentreLine();
  double a[3];
  double b[3];
  centre->GetPoint(0, a);
  centre->GetPoint(1, b);
  EXPECT_NEAR(a[0], -42, 1e-4);
  EXPECT_NEAR(a[1], -16, 1e-4);
  EXPECT_NEAR(b[1], 16, 1e-4);
  EXPECT_EQ(this->CrossAxial().GetNeighborLines()->GetNumberOfLines(), 8);
}

struct StepCase {
  int step;
  std::vector<std::string> firstNumbers;
  size_t count;
  bool alternates;
};

// 100 mm at 2 mm: 51 ticks, 0 .. 100.
TEST_F(StraightArch, AllSectionsNumberEveryNthTickAndAStepBelowOneNumbersEveryTick) {
  const StepCase cases[] = {
      {0, {"0", "2", "4"}, 51, true},
      {1, {"0", "2", "4"}, 51, true},
      {5, {"0", "10", "20"}, 11, false},
      {50, {"0", "100"}, 2, false},
  };
  this->Indicator->SetLabelVisibility(1);
  for (const StepCase& c : cases) {
    this->CrossAxial().NumberStep = c.step;
    this->CrossAxial().SetShowAllSections(1);
    const std::vector<std::string> texts = TickTexts(this->CrossAxial());
    ASSERT_EQ(texts.size(), c.count) << "step " << c.step;
    EXPECT_TRUE(std::equal(c.firstNumbers.begin(), c.firstNumbers.end(), texts.begin())) << "step " << c.step;
    EXPECT_EQ(this->CrossAxial().GetTicks()->GetNumberOfLines(), 51);
    vtkActor2DCollection* actors = this->CrossAxial().GetTickNumberActors();
    actors->InitTraversal();
    std::vector<double> distances;
    while (vtkActor2D* actor = actors->GetNextActor2D()) {
      distances.push_back(Position(actor)[1] - 16);
      EXPECT_TRUE(actor->GetVisibility());
    }
    EXPECT_NEAR(distances[0], 3, 1e-4);
    EXPECT_NEAR(distances[1], c.alternates ? 8 : 3, 1e-4) << "step " << c.step;
    for (int k = 0; k < 9; ++k) EXPECT_FALSE(this->CrossAxial().GetLabelActor(k)->GetVisibility());
    this->CrossAxial().SetShowAllSections(0);
    EXPECT_EQ(this->CrossAxial().GetTickNumberActors()->GetNumberOfItems(), 0);
    EXPECT_TRUE(this->CrossAxial().GetLabelActor(4)->GetVisibility()) << "the nine numbers are back";
  }
}

TEST_F(StraightArch, TickNumbersStayWhenTheSectionsMoveAndFollowASpacingChange) {
  this->CrossAxial().SetShowAllSections(1);
  this->CrossAxial().GetTickNumbers()->InitTraversal();
  vtkWin32TextMapper2* first = this->CrossAxial().GetTickNumbers()->GetNextItem();
  this->Indicator->SetCrossIndex(7);
  this->CrossAxial().GetTickNumbers()->InitTraversal();
  EXPECT_EQ(this->CrossAxial().GetTickNumbers()->GetNextItem(), first) << "kept while scrolling";
  this->Indicator->SetSectionGeometry(32, 4, 1, 17);
  EXPECT_EQ(TickTexts(this->CrossAxial()).size(), 6u) << "0, 20, ... 100 at 4 mm, every fifth";
}

TEST_F(StraightArch, SingleSectionHidesOnlyTheNeighbourLines) {
  this->CrossAxial().SingleSection = 1;
  this->CrossAxial().SetVisibility(this->CrossAxial().GetVisibility());
  EXPECT_FALSE(this->CrossAxial().GetNeighborActor()->GetVisibility());
  EXPECT_TRUE(this->CrossAxial().GetCentreActor()->GetVisibility());
}

// The arch grows to 160 mm while the current curve keeps its 100 mm until the
// arch geometry updates: sections beyond the curve's end show nothing.
TEST_F(StraightArch, PanoramicSectionsBeyondTheCurveShowNoLineAndNoNumber) {
  this->Indicator->SetLabelVisibility(1);
  this->Indicator->SetCrossIndex(20);
  ASSERT_EQ(this->CrossPan().GetCentreLine()->GetNumberOfLines(), 1);
  this->Arch.SetStraightLine(-80, 0, 80, 0);
  ASSERT_FLOAT_EQ(this->Calc.GetCurveLength(), 100.0f);
  this->Indicator->Update();  // the longer arch's range
  this->Indicator->SetCrossIndex(44);  // sections 88 .. 104, centre 96
  EXPECT_EQ(this->CrossPan().GetCentreLine()->GetNumberOfLines(), 1);
  EXPECT_EQ(this->CrossPan().GetNeighborLines()->GetNumberOfLines(), 2 * 6) << "sections 88 .. 100 of the eight";
  EXPECT_TRUE(this->CrossPan().GetLabelActor(6)->GetVisibility());
  EXPECT_FALSE(this->CrossPan().GetLabelActor(7)->GetVisibility());
  EXPECT_FALSE(this->CrossPan().GetLabelActor(8)->GetVisibility());
  this->Indicator->SetCrossIndex(60);  // centre 128
  EXPECT_EQ(this->CrossPan().GetCentreLine()->GetNumberOfLines(), 0);
  EXPECT_EQ(this->CrossPan().GetNeighborLines()->GetNumberOfLines(), 0);
  for (int k = 0; k < 9; ++k) EXPECT_FALSE(this->CrossPan().GetLabelActor(k)->GetVisibility()) << k;
  this->Indicator->SetCrossIndex(0);
  EXPECT_TRUE(this->CrossPan().GetLabelActor(4)->GetVisibility());
}

TEST_F(StraightArch, AShorterArchPullsTheIndexDownAtTheNextRebuild) {
  this->Indicator->SetCrossIndex(40);
  this->Arch.SetStraightLine(-40, 0, 40, 0);  // 80 mm: maximum 32
  this->CrossAxial().Rebuild();
  EXPECT_EQ(this->CrossAxial().GetRange().Maximum, 32);
  EXPECT_EQ(this->CrossAxial().GetRange().Index, 32);
  EXPECT_EQ(Text(this->CrossAxial().GetLabel(4)), "72");
}

TEST_F(StraightArch, SimplePickersInvertThePlacements) {
  CQlmIndicatorAxial3D& square = *this->Indicator->Axial->Axial3D;
  for (int slice : {0, 1, 7, 20}) {
    this->Indicator->SetAxialIndex(slice);
    double corner[3];
    square.GetSquare()->GetPoint(0, corner);
    const double picked[3] = {corner[0], corner[1], corner[2] + 0.3};
    EXPECT_EQ(this->Indicator->GetAxialIndexAtPoint(picked), slice) << "3D, slice " << slice;
    const double level[3] = {0, this->Indicator->Axial->AxialPan->GetRange().GetY() - 0.3, 0};
    EXPECT_EQ(this->Indicator->GetAxialIndexAtPanoramicPoint(level), slice) << "panoramic, slice " << slice;
  }
  for (int curve : {0, 3, 8, 15, 16}) {
    this->Indicator->SetCurrentCurve(curve);
    double mark[3];
    this->Indicator->Pan->PanCross->GetMark(4)->GetPoint(0, mark);
    for (double nudge : {-0.3, 0.0, 0.3}) {
      const double picked[3] = {mark[0] + nudge, 0, 0};
      EXPECT_EQ(this->Indicator->GetCurveIndexAtCrossPoint(picked), curve) << curve << " nudged " << nudge;
    }
  }
  this->Indicator->SetCurrentCurve(8);
  for (int index : {0, 10, 42}) {
    this->Indicator->SetCrossIndex(index);
    double a[3];
    this->CrossPan().GetCentreLine()->GetPoint(0, a);
    const double picked[3] = {a[0] + 0.4, 0, 0};
    EXPECT_EQ(this->Indicator->GetCrossIndexAtPanoramicPoint(picked), index);
  }
}

TEST_F(StraightArch, NearestLinePickersReachEveryCandidateAndPutTheIndicatorsBack) {
  this->Indicator->SetCrossIndex(10);
  this->Indicator->SetCurrentCurve(5);
  // Section index i has its centre line at x = (i + 4) * 2 - 50.
  for (int wanted : {0, 17, 42}) {
    const double onAxial[3] = {(wanted + 4) * 2.0 - 50 + 0.2, 3, 0};
    EXPECT_EQ(this->Indicator->GetCrossIndexAtAxialPoint(onAxial), wanted);
  }
  EXPECT_EQ(this->CrossAxial().GetRange().Index, 10);
  // Curve k lies (k - 8) mm from the arch, on y = k - 8 (left of the drawing direction).
  for (int wanted : {0, 8, 16}) {
    const double onAxial[3] = {0, wanted - 8.0 + 0.1, 0};
    EXPECT_EQ(this->Indicator->GetCurveIndexAtAxialPoint(onAxial), wanted);
  }
  EXPECT_EQ(this->Calc.GetCurrentCurve(), 5);
  const double midway[3] = {(10 + 4) * 2.0 - 50 + 1.0, 0, 0};  // between sections 10 and 11
  EXPECT_EQ(this->Indicator->GetCrossIndexAtAxialPoint(midway), 10) << "a tie goes to the lower index";
}

TEST_F(StraightArch, NearestLinePickerInTheVolumeFindsThePlaneAndTheBand) {
  const double* centre = this->Indicator->Axial->Axial3D->GetCenter();
  CQlmIndicatorCross3D& plane = *this->Indicator->Cross->Cross3D;
  for (int wanted : {0, 42}) {
    plane.SetIndex(wanted);
    double corner[3];
    plane.GetPlane()->GetPoint(0, corner);
    plane.SetIndex(3);
    const double picked[3] = {corner[0] + 0.2, corner[1], centre[2]};
    EXPECT_EQ(this->Indicator->GetCrossIndexAt3DPoint(picked), wanted);
  }
  EXPECT_EQ(plane.GetRange().Index, this->CrossAxial().GetRange().Index) << "put back to the axial lines' index";
  this->Indicator->SetCurrentCurve(16);
  double upper[3];
  this->Indicator->Pan->Pan3D->GetBand()->GetPoint(2, upper);
  this->Indicator->SetCurrentCurve(8);
  EXPECT_EQ(this->Indicator->GetCurveIndexAt3DPoint(upper), 16);
  EXPECT_EQ(this->Calc.GetCurrentCurve(), 8);
}

TEST(IndicatorPickers, WithoutACandidateTheCurrentIndexIsKept) {
  CQlmPolyLine arch;
  arch.SetStraightLine(-5, 0, 5, 0);  // 10 mm: no room for nine sections
  CQlmPanoramicCalc calc;
  calc.SetPolyLine(&arch);
  vtkNew<vtkImageData> volume;
  volume->SetDimensions(4, 4, 4);
  CQlmIndicator* indicator = CQlmIndicator::New();
  indicator->Initialize(&calc, volume);
  ASSERT_LT(indicator->Cross->CrossAxial->GetRange().Maximum, 0);
  const double point[3] = {1, 1, 1};
  EXPECT_EQ(indicator->GetCrossIndexAtAxialPoint(point), 0);
  EXPECT_EQ(indicator->GetCrossIndexAt3DPoint(point), 0);
  CQlmIndicator::Delete(indicator);
}

TEST_F(StraightArch, BandFollowsTheCurveMirroredAndCentred) {
  CQlmIndicatorPan3D& band = *this->Indicator->Pan->Pan3D;
  band.MirrorY = 1;
  this->Indicator->SetCurrentCurve(10);  // 2 mm off: y = 2
  vtkPolyData* curve = this->Calc.GetCurvePolyData();
  const vtkIdType n = curve->GetNumberOfPoints();
  ASSERT_EQ(band.GetBand()->GetNumberOfPoints(), 2 * n);
  EXPECT_EQ(band.GetBand()->GetNumberOfPolys(), n - 1);
  const double* c = this->Indicator->Axial->Axial3D->GetCenter();
  double p[3];
  double top[3];
  double bottom[3];
  curve->GetPoint(1, p);
  band.GetBand()->GetPoint(2, top);
  band.GetBand()->GetPoint(3, bottom);
  EXPECT_NEAR(top[0], p[0] + c[0], 1e-4);
  EXPECT_NEAR(top[1], -p[1] + c[1], 1e-4);
  EXPECT_NEAR(top[2], p[2] + c[2] + 12.5, 1e-4);
  EXPECT_NEAR(bottom[2], p[2] + c[2] - 12.5, 1e-4);
  EXPECT_EQ(Text(band.GetLabel()), "2.00");
  EXPECT_EQ(Text(this->Indicator->Pan->PanCross->GetLabel()), "2.00");
}

TEST(IndicatorLabels, ACurveOfFewerThanTwoPointsHasNoOffsetLabel) {
  CQlmPanoramicCalc calc;  // no arch bound: an empty curve
  CQlmIndicatorPan* pan = CQlmIndicatorPan::New();
  pan->SetCalc(&calc);
  pan->Update();
  EXPECT_EQ(Text(pan->PanAxial->GetLabel()), "");
  EXPECT_EQ(Text(pan->Pan3D->GetLabel()), "");
  delete pan;
}

TEST_F(StraightArch, TransparencyAndVisibilityReachAllThreeSurfacesAtOnce) {
  this->Indicator->SetTransparent(1);
  for (vtkActor* actor : {this->Indicator->Pan->Pan3D->GetBandActor(), this->Indicator->Cross->Cross3D->GetPlaneActor(),
                          this->Indicator->Axial->Axial3D->GetSquareActor()}) {
    EXPECT_DOUBLE_EQ(actor->GetProperty()->GetOpacity(), 0.65);
  }
  this->Indicator->SetTransparent(0);
  EXPECT_DOUBLE_EQ(this->Indicator->Axial->Axial3D->GetSquareActor()->GetProperty()->GetOpacity(), 1.0);
  this->Indicator->SetVisibility3D(0);
  this->Indicator->SetVisibility2D(1);
  EXPECT_EQ(this->Indicator->IsIndicatorVisible(QlmView::Axial, QlmView::View3D), 0);
  EXPECT_EQ(this->Indicator->IsIndicatorVisible(QlmView::Axial, QlmView::Panoramic), 1);
  EXPECT_EQ(this->Indicator->IsIndicatorVisible(QlmView::Panoramic, QlmView::Cross), 1);
  EXPECT_EQ(this->Indicator->IsIndicatorVisible(QlmView::Axial, QlmView::Axial), 0);
}

}  // namespace
