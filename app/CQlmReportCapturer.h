#pragma once
// The report printer's captures of the project's views: each one an
// off-screen copy of the live view, with the view's overlays pointed at the
// copy while it renders and back at the view after.
#include "output/CQlmReportViews.h"

class CQlmQuorvantile;
class CQlm3DWindow;
class CQlmViewOverlays;

class CQlmReportCapturer : public CQlmReportViews {
public:
  // `controller` outlives the capturer.
  explicit CQlmReportCapturer(CQlmQuorvantile* controller) : Controller(controller) {}

  QImage CaptureView(int source, float renderResolution, float outputResolution) override;

private:
  QImage CaptureSingle(CQlm3DWindow* window, CQlmViewOverlays* overlays, bool trueScale, float renderResolution,
                       float outputResolution);
  QImage CaptureCross(bool trueScale, float renderResolution, float outputResolution);

  CQlmQuorvantile* Controller;
};
