#pragma once
// Points a view's overlays (CQlmViewOverlays or CQlmViewOverlays9) at an
// off-screen copy for as long as it lives, and back at their own window when
// it ends, on every way out of the scope:
//
//   CQlmOverlayRedirect redirect(*overlays, copy);
//   copy->Render();
template <class Overlays, class Copy>
class CQlmOverlayRedirect {
public:
  CQlmOverlayRedirect(Overlays& overlays, Copy* copy) : Target(overlays) { overlays.SetOffScreenWindow(copy); }
  ~CQlmOverlayRedirect() { this->Target.PointAtWindow(); }
  CQlmOverlayRedirect(const CQlmOverlayRedirect&) = delete;
  CQlmOverlayRedirect& operator=(const CQlmOverlayRedirect&) = delete;

private:
  Overlays& Target;
};
