#pragma once
// What the report printer captures its pictures from: the project's views.
// The controller's side makes an off-screen copy of the view, points the
// view's overlays at it while it renders, and lets the copy go.
#include <QImage>

class CQlmReportViews {
public:
  virtual ~CQlmReportViews() = default;

  // The view that `source` names (CQlmPrintRect::Axial .. View3D) as a 32-bit
  // picture: as on screen, or life-size (3.9368 pixels per millimetre) for
  // the true-scale sources, rendered at `renderResolution` and enlarged to
  // `outputResolution` dots per inch. A null picture when the view could not
  // be captured.
  virtual QImage CaptureView(int source, float renderResolution, float outputResolution) = 0;
};
