#pragma once
// The axial and panoramic views' interactor: the single-view operations of
// CQlm3DInteractor with 2D camera moves that keep the image in sight (see
// CQlm2DCamera for the limits). Pan, AreaZoom, ZoomIn and ZoomOut here
// replace the free 3D moves of the same names. The world coordinates are the
// view's frame: in the axial view the planning frame (QlmPlanningFrame), in
// the panoramic view arc length and height (see CQlmCTPanFilter).
#include "views/CQlm2DCamera.h"
#include "views/CQlm3DInteractor.h"

class CQlm2DInteractor : public CQlm3DInteractor, public CQlm2DCamera {
public:
  static CQlm2DInteractor* New();

  void FitToWindow();
  // The styles pass (x - lastX, y - lastY); dragging up zooms in.
  void DragZoom(int dx, int dy);
  // The styles pass (x, y, lastX, lastY).
  void Pan(int x0, int y0, int x1, int y1);
  // To the rubber band from the press to the release position.
  void AreaZoom();
  // Brings the last pointer position to the centre, then zooms in one step.
  void ZoomIn();
  void ZoomOut();
  void WheelZoomIn();
  void WheelZoomOut();

protected:
  CQlm2DInteractor() = default;
};
