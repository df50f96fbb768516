// The sample project's 2D views in the planning frame: under every pointer
// position, the point that the view's interactor gives, taken into the
// planning frame of its view and converted to the volume, must hold the grey
// that the view shows there; and the arch, drawn at its own coordinates over
// the axial view, must run over the maxillary teeth.
#include <vtkImageData.h>
#include <vtkImageInterpolator.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkRenderer.h>

#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "SampleProjectFixture.h"
#include "QlmTestData.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmConfig.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLine.h"
#include "toolkit/QlmPlanningFrame.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/QlmInteraction.h"

namespace {

using Point = std::array<double, 3>;

// A view's frame point (x, y) as a planning point.
using ToPlanning = std::function<Point(double x, double y)>;

// How far from the pointer's point the pixel that shows it may have been
// sampled, in the view's frame (mm), searched in steps of `Step`.
struct Reach {
  double X;
  double Y;
  double Step;
};

// Grey of a 16-bit value in the views' 0 .. 4095 window.
int Grey(double value) { return static_cast<int>(std::lround(std::clamp(value / 4095.0, 0.0, 1.0) * 255.0)); }

class ViewFramesTest : public SampleProjectFixture {
protected:
  void WriteSettings() override {
    EnsureConfigFile();
    WriteConfig2DInterpolation(0);  // each screen pixel shows one image pixel
    // No position indicator or number over the pictures.
    WriteConfigIndicatorsAdvanced({0, 0, 5, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 0, 0, 1, 1});
    // The views without their overlays, whose letters and bars would cover probed pixels.
    int windows[21];
    std::fill(std::begin(windows), std::end(windows), 0);
    std::fill(windows, windows + 4, 1);
    WriteConfigWindowsAdvanced(windows);
  }

  void SetUp() override {
    SampleProjectFixture::SetUp();
    if (Opened()) this->Volume = this->Q->CTData->ImageData;
  }

  // Checks a grid of pointer positions over the part of `renderer`'s viewport
  // where the image lies: for each, the interactor's point on the view plane (state 70),
  // taken into the planning frame by `toPlanning`, is sampled from the volume
  // around it as the view's filter samples it (`mode`), and the grey that the
  // view shows there must lie within those samples' greys, give or take one.
  // `selectCell` chooses the cell of the 3x3 window under the pointer.
  void ExpectPointersShowTheirPlanningPoints(CQlmInteractorBase& interactor, vtkRenderer* renderer,
                                             const QImage& picture, vtkImageData* image, bool mirrorY,
                                             const ToPlanning& toPlanning, int mode, const Reach& reach,
                                             const std::function<void(int, int)>& selectCell = {}) {
    vtkNew<vtkImageInterpolator> sampler;
    sampler->SetInterpolationMode(mode);
    sampler->SetOutValue(0.0);
    sampler->Initialize(this->Volume);
    const QlmPlanningFrame frame(this->Volume);

    double bounds[6];
    image->GetBounds(bounds);
    const double spacing[2] = {image->GetSpacing()[0], image->GetSpacing()[1]};
    // The image less its outermost pixels, on screen.
    double low[3], high[3];
    interactor.WorldToDisplay(bounds[0] + spacing[0], (mirrorY ? -bounds[3] : bounds[2]) + spacing[1], 0, low);
    interactor.WorldToDisplay(bounds[1] - spacing[0], (mirrorY ? -bounds[2] : bounds[3]) - spacing[1], 0, high);
    int width = 0, height = 0;
    interactor.GetWindowSize(width, height);
    const double* viewport = renderer->GetViewport();
    const int left = std::max(static_cast<int>(viewport[0] * width) + 2, static_cast<int>(std::ceil(low[0])));
    const int right = std::min(static_cast<int>(viewport[2] * width) - 3, static_cast<int>(high[0]));
    const int bottom = std::max(static_cast<int>(viewport[1] * height) + 2, static_cast<int>(std::ceil(low[1])));
    const int top = std::min(static_cast<int>(viewport[3] * height) - 3, static_cast<int>(high[1]));
    ASSERT_LT(left + 20, right);
    ASSERT_LT(bottom + 20, top);

    interactor.SetMode(QlmState::PointOnPlaneZ);
    constexpr int Positions = 13;
    for (int i = 0; i < Positions; ++i)
      for (int j = 0; j < Positions; ++j) {
        const int x = left + (right - left) * i / (Positions - 1);
        const int y = bottom + (top - bottom) * j / (Positions - 1);
        if (selectCell) selectCell(x, y);
        interactor.PickPointOnPlane(x, y);
        const float* cursor = interactor.GetCommonRecord().CursorPoint;
        int window[2];
        interactor.DisplayToWindow(x, y, window);
        const int shown = qRed(picture.pixel(window[0], window[1]));

        double lowest = 1e9, highest = -1e9;
        for (double dx = -reach.X; dx <= reach.X + 1e-9; dx += reach.Step)
          for (double dy = -reach.Y; dy <= reach.Y + 1e-9; dy += reach.Step) {
            const Point planning = toPlanning(cursor[0] + dx, cursor[1] + dy);
            double point[3];
            frame.ToVolume(planning.data(), point);
            const double value = sampler->Interpolate(point[0], point[1], point[2], 0);
            lowest = std::min(lowest, value);
            highest = std::max(highest, value);
          }
        EXPECT_GE(shown, Grey(lowest) - 1) << "pointer " << x << ", " << y << " at " << cursor[0] << ", " << cursor[1];
        EXPECT_LE(shown, Grey(highest) + 1) << "pointer " << x << ", " << y << " at " << cursor[0] << ", " << cursor[1];
      }
  }

  // Mean grey of the axial picture under the current parallel curve, every 0.5 mm.
  double MeanGreyUnderCurve(const QImage& picture) {
    CQlmPanoramicCalc& calc = *this->Q->PanoramicCalc;
    double sum = 0.0;
    int count = 0;
    for (float s = 0.0f; s <= calc.GetCurveLength(); s += 0.5f) {
      float point[3];
      calc.GetCurvePoint(s, point);
      double display[3];
      this->Q->StyleAxial->WorldToDisplay(point[0], point[1], 0.0, display);
      int window[2];
      this->Q->StyleAxial->DisplayToWindow(static_cast<int>(std::lround(display[0])),
                                           static_cast<int>(std::lround(display[1])), window);
      sum += qRed(picture.pixel(window[0], window[1]));
      ++count;
    }
    return sum / count;
  }

  vtkImageData* Volume = nullptr;
};

// Axial pixel (x, y) shows voxel (cx + x, cy - y) of the current slice.
TEST_F(ViewFramesTest, UnderAnAxialPointerLiesTheVoxelAtItsPlanningPoint) {
  const CQlmCTAxialFilter& axial = *this->Q->CTFilter->GetAxialFilter();
  const double z = axial.GetOrigin()[2] + axial.GetCurrentSlice() * axial.GetSpacing()[2] -
                   QlmPlanningFrame(this->Volume).GetCentre()[2];
  const double voxel = axial.GetSpacing()[0];
  ExpectPointersShowTheirPlanningPoints(*this->Q->StyleAxial, this->Q->WindowAxial->Renderer3,
                                        this->Q->WindowAxial->GetImage(), axial.GetOutput(), true,
                                        [z](double x, double y) {
                                          return Point{x, y, z};
                                        },
                                        VTK_NEAREST_INTERPOLATION, {voxel, voxel, voxel / 2});
}

// Panoramic pixel (x, h) shows what the filter sampled at arc length x + Lc / 2
// of the current curve and height h; its strips lie within about two pixels
// of their places along the curve.
TEST_F(ViewFramesTest, UnderAPanoramicPointerLiesTheCurveAtItsArcLengthAndHeight) {
  CQlmPanoramicCalc& calc = *this->Q->PanoramicCalc;
  const double pixel = this->Volume->GetSpacing()[0];
  const float halfLength = calc.GetCurveLength() / 2;
  ExpectPointersShowTheirPlanningPoints(*this->Q->StylePanoramic, this->Q->WindowPanoramic->Renderer3,
                                        this->Q->WindowPanoramic->GetImage(),
                                        this->Q->CTFilter->GetPanFilter()->GetOutput(), false,
                                        [&calc, halfLength](double x, double h) {
                                          float point[3];
                                          calc.GetCurvePoint(static_cast<float>(x) + halfLength, point);
                                          return Point{point[0], point[1], point[2] + h};
                                        },
                                        VTK_LINEAR_INTERPOLATION, {2.5 * pixel, pixel, pixel / 4});
}

// Cell k's pixel (x, h) shows what the cross-section filter sampled x mm
// outwards from the arch at the cell's arc length, at height h.
TEST_F(ViewFramesTest, UnderACrossSectionPointerLiesThePointAcrossTheArchAtItsHeight) {
  CQlmPanoramicCalc& calc = *this->Q->PanoramicCalc;
  CQlmCTCrossFilter9& cross = *this->Q->CTFilter->GetCrossFilter();
  CQlmInteractorStyle29& style = *this->Q->StyleCross;
  const double pixel = this->Volume->GetSpacing()[0];
  for (int cell : {0, 4, 8}) {
    SCOPED_TRACE("cell " + std::to_string(cell));
    const float arc = cross.GetSectionPositions()[cell];
    float onArch[3];
    calc.GetArchPoint(arc, onArch);
    double section[16];
    calc.GetSectionMatrix(arc, section);
    const double outwards[2] = {-section[0], -section[4]};
    style.GetRecord()->CurrentCell = cell;
    ExpectPointersShowTheirPlanningPoints(
        style, this->Q->WindowCross->Renderer3[cell], this->Q->WindowCross->GetImage(), cross.GetOutput(), false,
        [&](double x, double h) {
          return Point{onArch[0] + x * outwards[0], onArch[1] + x * outwards[1], onArch[2] + h};
        },
        // Cells of a client area whose width is no multiple of three start
        // at fractional pixels: half a pixel more across.
        VTK_CUBIC_INTERPOLATION, {1.5 * pixel, pixel, pixel / 4},
        [&style, cell](int x, int y) {
          style.SelectCell(x, y);
          ASSERT_EQ(style.GetRecord()->CurrentCell, cell);
        });
  }
}

// The default arch runs over the crowns of the maxillary teeth in the slice the
// sample opens on: brighter under it than under the outermost parallel curves,
// 8 mm inside and outside.
TEST_F(ViewFramesTest, TheArchOverTheAxialViewRunsOverTheMaxillaryTeeth) {
  CQlmPanoramicCalc& calc = *this->Q->PanoramicCalc;
  const QImage picture = this->Q->WindowAxial->GetImage();
  ASSERT_EQ(calc.GetCurrentCurve(), calc.GetMiddleCurve());
  const double underArch = this->MeanGreyUnderCurve(picture);
  calc.SetCurrentCurve(0);
  const double underInner = this->MeanGreyUnderCurve(picture);
  calc.SetCurrentCurve(calc.GetCurveCount());
  const double underOuter = this->MeanGreyUnderCurve(picture);
  EXPECT_GT(underArch, underInner + 20);
  EXPECT_GT(underArch, underOuter + 20);
  RecordProperty("MeanGreyUnderArchInnerOuter",
                 std::to_string(underArch) + " " + std::to_string(underInner) + " " + std::to_string(underOuter));
}

}  // namespace
