// The position indicators on the sample project of the real head CT: where
// they are drawn must be where the other views cut the volume.
#include <vtkCellLocator.h>
#include <vtkCutter.h>
#include <vtkFlyingEdges3D.h>
#include <vtkImageData.h>
#include <vtkNew.h>
#include <vtkPlane.h>
#include <vtkPolyData.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "../views/QlmRenderCounter.h"
#include "SampleProjectFixture.h"
#include "QlmTestData.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmConfig.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmIndicator.h"
#include "views/CQlmIndicatorAxial.h"
#include "views/CQlmIndicatorAxial3D.h"
#include "views/CQlmIndicatorAxialCross.h"
#include "views/CQlmIndicatorAxialPan.h"
#include "views/CQlmIndicatorCross.h"
#include "views/CQlmIndicatorCrossAxial.h"
#include "views/CQlmIndicatorPan.h"
#include "views/CQlmIndicatorPan3D.h"
#include "views/CQlmIndicatorPanCross.h"
#include "views/CQlmInteractorRecord.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/QlmView.h"

namespace {

class IndicatorsSampleTest : public SampleProjectFixture {
protected:
  void WriteSettings() override {
    EnsureConfigFile();
    WriteConfig2DInterpolation(0);
  }

  // Grey of the picture at world (x, y) of a 2D view.
  template <class Style>
  static int GreyAt(Style& style, const QImage& picture, double x, double y) {
    double display[3];
    style.WorldToDisplay(x, y, 0.0, display);
    int window[2];
    style.DisplayToWindow(static_cast<int>(std::lround(display[0])), static_cast<int>(std::lround(display[1])),
                          window);
    return qRed(picture.pixel(window[0], window[1]));
  }

  CQlmIndicator& Indicator() { return *this->Q->Indicator; }
};

TEST_F(IndicatorsSampleTest, AfterALoadTheTwoDIndicatorsShowAndTheThreeDOnesAreHiddenAndOff) {
  for (int view : {QlmView::Axial, QlmView::Cross, QlmView::Panoramic})
    EXPECT_EQ(this->Indicator().IsIndicatorVisible(view, QlmView::View3D), 0) << view;
  EXPECT_EQ(this->Q->IndicatorSwitches[3] + this->Q->IndicatorSwitches[4] + this->Q->IndicatorSwitches[5], 0);
  EXPECT_EQ(this->Indicator().IsIndicatorVisible(QlmView::Cross, QlmView::Axial), 1);
  EXPECT_EQ(this->Q->PositionListeners[CQlmPositionListener::Indicators], &this->Indicator());
}

// The centre section's line in the axial view and the axial level's line in
// the centre cell cross at one point of the volume: the axial view's grey
// there lies among the centre cell's greys within a millimetre and a slice.
TEST_F(IndicatorsSampleTest, CentreSectionLineAndAxialLevelMeetAtTheSameVoxel) {
  this->Indicator().SetVisibility2D(0);
  const int largest = this->Indicator().Cross->CrossAxial->GetRange().Maximum;
  const CQlmIndicatorAxialRange& level = this->Indicator().Axial->AxialCross->GetRange();
  for (int section : {largest / 4, largest / 2, largest * 3 / 4}) {
    this->Q->CrossView->SetSlice(section);
    ASSERT_EQ(this->Indicator().Cross->CrossAxial->GetRange().Index, section);
    vtkPolyData* centre = this->Indicator().Cross->CrossAxial->GetCentreLine();
    double a[3], b[3];
    centre->GetPoint(0, a);
    centre->GetPoint(1, b);
    for (int slice : {3, 8, 13}) {
      this->Q->AxialView->SetSlice(slice);
      ASSERT_EQ(level.Index, slice);
      this->Q->WindowAxial->Render();
      this->Q->WindowCross->Render();
      const QImage cross = this->Q->WindowCross->GetImage();
      this->Q->StyleCross->GetRecord()->CurrentCell = CQlm3DWindow9::CentreCell;
      const int axialGrey = GreyAt(*this->Q->StyleAxial, this->Q->WindowAxial->GetImage(), (a[0] + b[0]) / 2,
                                   (a[1] + b[1]) / 2);
      int lowest = 255, highest = 0;
      for (double x = -1.0; x <= 1.0; x += 0.5)
        for (double y : {level.GetY() - level.Spacing, level.GetY(), level.GetY() + level.Spacing}) {
          const int grey = GreyAt(*this->Q->StyleCross, cross, x, y);
          lowest = std::min(lowest, grey);
          highest = std::max(highest, grey);
        }
      EXPECT_GE(axialGrey, lowest - 3) << "section " << section << ", slice " << slice;
      EXPECT_LE(axialGrey, highest + 3) << "section " << section << ", slice " << slice;
    }
  }
}

// On the middle curve the marks stand at x = 0, on the arch: the column of each
// cell there shows what the panoramic view shows at that section's position.
TEST_F(IndicatorsSampleTest, MiddleCurveMarkStandsOnEachCellsArchColumn) {
  ASSERT_EQ(this->Q->PanoramicCalc->GetCurrentCurve(), this->Q->PanoramicCalc->GetMiddleCurve());
  this->Indicator().SetVisibility2D(0);
  this->Q->WindowCross->Render();
  this->Q->WindowPanoramic->Render();
  const QImage cross = this->Q->WindowCross->GetImage();
  const QImage panoramic = this->Q->WindowPanoramic->GetImage();
  const CQlmIndicatorCrossRange& range = this->Indicator().Cross->CrossAxial->GetRange();
  const float curveLength = this->Q->PanoramicCalc->GetCurveLength();
  double difference = 0.0;
  int compared = 0;
  for (int cell = 0; cell < CQlm3DWindow9::CellCount; ++cell) {
    double mark[3];
    this->Indicator().Pan->PanCross->GetMark(cell)->GetPoint(0, mark);
    EXPECT_DOUBLE_EQ(mark[0], 0.0) << cell;
    this->Q->StyleCross->GetRecord()->CurrentCell = cell;
    for (double y : {-8.0, 0.0, 8.0}) {
      const int inCell = GreyAt(*this->Q->StyleCross, cross, mark[0], y);
      const int inPanoramic = GreyAt(*this->Q->StylePanoramic, panoramic, range.SectionPosition(cell) - curveLength / 2, y);
      difference += std::abs(inCell - inPanoramic);
      ++compared;
    }
  }
  EXPECT_LT(difference / compared, 12.0);
}

TEST_F(IndicatorsSampleTest, AClickOnASectionLinePicksThatSection) {
  this->Q->CrossView->SetSlice(30);
  const CQlmIndicatorCrossRange& range = this->Indicator().Cross->CrossAxial->GetRange();
  for (int k : {0, 3, 4, 8}) {
    double line[16];
    this->Q->PanoramicCalc->GetSectionLineMatrix(range.SectionPosition(k), line);
    const double across = 6.0;
    const double click[3] = {line[3] + across * line[0], line[7] + across * line[8], 0};
    EXPECT_EQ(this->Indicator().GetCrossIndexAtAxialPoint(click), 30 + k - 4) << "line " << k;
  }
  EXPECT_EQ(range.Index, 30);
}

// A key, a scroll bar step and a wheel notch in the axial view render the
// other views that show the axial level, and only those.
TEST_F(IndicatorsSampleTest, AxialMovesRenderExactlyTheViewsShowingTheAxialLevel) {
  struct Shown {
    int panoramic, cross, view3D;
  };
  const Shown table[] = {{1, 0, 0}, {0, 1, 1}, {0, 0, 0}, {1, 1, 1}};
  // Each moves the slice upwards; a bar step alone (no end of scroll) leaves the 3D view.
  const bool reaches3D[] = {true, false, true};
  const std::function<void(CAxialWnd&)> moves[] = {
      [](CAxialWnd& view) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_PageUp, Qt::NoModifier);
        QApplication::sendEvent(view.GetSafeHwnd(), &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_PageUp, Qt::NoModifier);
        QApplication::sendEvent(view.GetSafeHwnd(), &release);
      },
      [](CAxialWnd& view) { view.GetVerticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub); },
      [](CAxialWnd& view) {
        QScrollBar* bar = view.GetVerticalScrollBar();
        QWheelEvent up(QPointF(3, 20), bar->mapToGlobal(QPointF(3, 20)), QPoint(), QPoint(0, 120), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &up);
      },
  };
  CQlmIndicatorAxial& axial = *this->Indicator().Axial;
  for (const Shown& shown : table) {
    axial.AxialPan->SetVisibility(shown.panoramic);
    axial.AxialCross->SetVisibility(shown.cross);
    axial.Axial3D->SetVisibility(shown.view3D);
    for (size_t move = 0; move < std::size(moves); ++move) {
      QlmRenderCounter panoramic(this->Q->WindowPanoramic->RenderWindow);
      QlmRenderCounter cross(this->Q->WindowCross->RenderWindow);
      QlmRenderCounter view3D(this->Q->Window3D->RenderWindow);
      const int before = axial.AxialPan->GetRange().Index;
      moves[move](*this->Q->AxialView);
      ASSERT_NE(axial.AxialPan->GetRange().Index, before) << "move " << move;
      EXPECT_EQ(panoramic.Count > 0, shown.panoramic == 1) << "move " << move;
      EXPECT_EQ(cross.Count > 0, shown.cross == 1) << "move " << move;
      EXPECT_EQ(view3D.Count > 0, shown.view3D == 1 && reaches3D[move]) << "move " << move;
    }
  }
}

// A bone surface of the same volume, in the 3D view's world coordinates.
vtkSmartPointer<vtkPolyData> BoneSurface(vtkImageData* volume) {
  vtkNew<vtkFlyingEdges3D> surface;
  surface->SetInputData(volume);
  surface->SetValue(0, 2200);
  surface->ComputeNormalsOff();
  surface->Update();
  return surface->GetOutput();
}

TEST_F(IndicatorsSampleTest, InTheVolumeTheBandAndTheSquareCutTheTeeth) {
  vtkSmartPointer<vtkPolyData> bone = BoneSurface(this->Q->CTData->ImageData);
  ASSERT_GT(bone->GetNumberOfPoints(), 1000);
  vtkNew<vtkCellLocator> locator;
  locator->SetDataSet(bone);
  locator->BuildLocator();

  // The band's vertical edges over the front half of the arch run through the teeth.
  vtkPolyData* band = this->Indicator().Pan->Pan3D->GetBand();
  const vtkIdType verticals = band->GetNumberOfPoints() / 2;
  int crossing = 0, tried = 0;
  for (vtkIdType j = verticals / 4; j < verticals - verticals / 4; ++j, ++tried) {
    double top[3], bottom[3], hit[3], pcoords[3], t;
    int subId;
    band->GetPoint(2 * j, top);
    band->GetPoint(2 * j + 1, bottom);
    if (locator->IntersectWithLine(top, bottom, 0.01, t, hit, pcoords, subId)) ++crossing;
  }
  EXPECT_GT(crossing, tried * 2 / 3) << crossing << " of " << tried;

  // Near the slice the sample opens on, the square's plane cuts the teeth along the band.
  CQlmIndicatorAxial3D& square = *this->Indicator().Axial->Axial3D;
  this->Q->AxialView->SetSlice(3);
  double corner[3];
  square.GetSquare()->GetPoint(0, corner);
  vtkNew<vtkPlane> plane;
  plane->SetOrigin(0, 0, corner[2]);
  plane->SetNormal(0, 0, 1);
  vtkNew<vtkCutter> cut;
  cut->SetInputData(bone);
  cut->SetCutFunction(plane);
  cut->Update();
  vtkPolyData* contour = cut->GetOutput();
  int nearBand = 0;
  for (vtkIdType i = 0; i < contour->GetNumberOfPoints(); i += 5) {
    const double* p = contour->GetPoint(i);
    for (vtkIdType j = 0; j < verticals; ++j) {
      const double* q = band->GetPoint(2 * j);
      if (std::hypot(p[0] - q[0], p[1] - q[1]) < 3.0) {
        ++nearBand;
        break;
      }
    }
  }
  EXPECT_GT(nearBand, 10);
}

}  // namespace
