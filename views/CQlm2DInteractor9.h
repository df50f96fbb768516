#pragma once
// The cross-section window's interactor: CQlm3DInteractor9 with the 2D camera
// moves of CQlm2DCamera on the camera that the nine cells share. An area
// zoom fills one cell, not the window. Each cell's world coordinates are its
// section's frame (see CQlmCTCrossFilter9).
#include "views/CQlm2DCamera.h"
#include "views/CQlm3DInteractor9.h"

class CQlm2DInteractor9 : public CQlm3DInteractor9, public CQlm2DCamera {
public:
  static CQlm2DInteractor9* New();

  void FitToWindow();
  void DragZoom(int dx, int dy);
  void Pan(int x0, int y0, int x1, int y1);
  void AreaZoom();
  // Brings the last pointer position to the current cell's centre, then zooms in one step.
  void ZoomIn();
  void ZoomOut();
  void WheelZoomIn();
  void WheelZoomOut();

protected:
  CQlm2DInteractor9() = default;
};
