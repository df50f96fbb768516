#pragma once
// The 2D camera moves of the axial, panoramic and cross-section views, shared
// by CQlm2DInteractor and CQlm2DInteractor9: fitting the image to the
// window, panning, and zooming by drag, rubber band, click and wheel, each
// bounded by the smallest visible size and by how far the view may leave the
// image.
//
// The four extents are world lengths (mm) measured like the camera's parallel
// scale, half the visible height. With a = W / H, r = image half-width /
// image half-height and s the parallel scale, the fitting scale F is image
// half-width / a when r > a, else image half-height; the smallest scale L is
// minimum half-width / a when r > a, else minimum half-height. The state
// record's centre point is the centre of the limits.
class CQlmInteractorBase;

class CQlm2DCamera {
public:
  // Written by the owner when a project is set up; then FitToWindow.
  float MinimumHalfWidth = 0.0001f;
  float ImageHalfWidth = 1000.0f;
  float MinimumHalfHeight = 0.0001f;
  float ImageHalfHeight = 1000.0f;

protected:
  CQlm2DCamera() = default;

  // Scale F, focal point and position centred on the centre point.
  void FitTo(CQlmInteractorBase& view);
  // Scale divided by 1.1^(m dy / centreY) within [L, F], the view kept on the image.
  void DragZoomBy(CQlmInteractorBase& view, double centreY, int dx, int dy);
  // Base pan, limited so the focal point stays within 2.2 image half-sizes
  // minus the visible half-size of the centre.
  void PanWithin(CQlmInteractorBase& view, int x0, int y0, int x1, int y1);
  // Centres the rubber band and zooms so it fills the window, or one cell of
  // `cellsAcross` x `cellsAcross`; never below the smallest visible size. A
  // band larger than the window (or cell) does not zoom.
  void AreaZoomTo(CQlmInteractorBase& view, int cellsAcross);
  // Brings the last pointer position to (centreX, centreY), then ZoomStepIn.
  void ZoomInAt(CQlmInteractorBase& view, int centreX, int centreY);
  // Scale x 0.75, not below L.
  void ZoomStepIn(CQlmInteractorBase& view);
  // Scale / 0.75, not above 4 F, the view kept within 2.2 image half-sizes.
  void ZoomStepOut(CQlmInteractorBase& view);

private:
  struct Scales {
    double Aspect;    // a
    double Fitting;   // F
    double Smallest;  // L
  };
  Scales Measure(CQlmInteractorBase& view) const;
  // Keeps the focal point and position within `reachX`, `reachY` of the centre point.
  static void ClampFocus(CQlmInteractorBase& view, double reachX, double reachY);
  // Limits one component of a pan so the focal point stays within `reach` of `centre`.
  static double LimitPan(double delta, double focus, double centre, double reach);
};
