#include "app/CQlmReportCapturer.h"

#include <memory>

#include "app/CQlmQuorvantile.h"
#include "output/CQlmPrintRect.h"
#include "views/CQlm3DWindow9OffScreen.h"
#include "views/CQlm3DWindowOffScreen.h"
#include "views/CQlmOverlayRedirect.h"
#include "views/CQlmViewOverlays.h"
#include "views/CQlmViewOverlays9.h"

namespace {

// A true-scale copy is rendered at the render resolution and enlarged; any
// other keeps the view's pixel size.
template <class Copy>
void Configure(Copy& copy, bool trueScale, float renderResolution, float outputResolution) {
  copy.RenderResolution = renderResolution;
  copy.OutputResolution = outputResolution;
  if (!trueScale) return;
  copy.Resample = 1;
  copy.SetTrueScale();
}

}  // namespace

QImage CQlmReportCapturer::CaptureView(int source, float renderResolution, float outputResolution) {
  CQlmQuorvantile& q = *this->Controller;
  switch (source) {
    case CQlmPrintRect::Axial:
    case CQlmPrintRect::AxialTrueScale:
      return this->CaptureSingle(q.WindowAxial, q.OverlaysAxial, source == CQlmPrintRect::AxialTrueScale,
                                 renderResolution, outputResolution);
    case CQlmPrintRect::Panoramic:
    case CQlmPrintRect::PanoramicTrueScale:
      return this->CaptureSingle(q.WindowPanoramic, q.OverlaysPanoramic, source == CQlmPrintRect::PanoramicTrueScale,
                                 renderResolution, outputResolution);
    case CQlmPrintRect::View3D:
      return this->CaptureSingle(q.Window3D, q.Overlays3D, false, renderResolution, outputResolution);
    case CQlmPrintRect::Cross:
    case CQlmPrintRect::CrossTrueScale:
      return this->CaptureCross(source == CQlmPrintRect::CrossTrueScale, renderResolution, outputResolution);
    default:
      return QImage();
  }
}

QImage CQlmReportCapturer::CaptureSingle(CQlm3DWindow* window, CQlmViewOverlays* overlays, bool trueScale,
                                         float renderResolution, float outputResolution) {
  if (!window || !overlays) return QImage();
  std::unique_ptr<CQlm3DWindowOffScreen> copy(CQlm3DWindowOffScreen::New());
  copy->CopyFromWindow(window);
  Configure(*copy, trueScale, renderResolution, outputResolution);
  CQlmOverlayRedirect redirect(*overlays, copy.get());
  return copy->Render() ? copy->GetPicture() : QImage();
}

QImage CQlmReportCapturer::CaptureCross(bool trueScale, float renderResolution, float outputResolution) {
  CQlmQuorvantile& q = *this->Controller;
  if (!q.WindowCross || !q.OverlaysCross) return QImage();
  std::unique_ptr<CQlm3DWindow9OffScreen> copy(CQlm3DWindow9OffScreen::New());
  copy->CopyFromWindow(q.WindowCross);
  Configure(*copy, trueScale, renderResolution, outputResolution);
  CQlmOverlayRedirect redirect(*q.OverlaysCross, copy.get());
  return copy->Render() ? copy->GetPicture() : QImage();
}
