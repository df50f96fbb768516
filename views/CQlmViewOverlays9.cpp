#include "views/CQlmViewOverlays9.h"

#include <new>

CQlmViewOverlays9* CQlmViewOverlays9::New() {
  std::unique_ptr<CQlmViewOverlays9> overlays(new (std::nothrow) CQlmViewOverlays9());
  if (!overlays) return nullptr;
  overlays->BorderWindow.reset(CQlmBorderWindow9::New());
  overlays->TitleWindow.reset(CQlmTitleWindow9::New());
  overlays->OrientWindow.reset(CQlmOrientWindow9::New());
  overlays->NumberWindow.reset(CQlmNumberWindow9::New());
  overlays->RullerWindow.reset(CQlmRullerWindow9::New());
  if (!overlays->BorderWindow || !overlays->TitleWindow || !overlays->OrientWindow || !overlays->NumberWindow ||
      !overlays->RullerWindow) {
    return nullptr;
  }
  return overlays.release();
}

CQlmViewOverlays9::~CQlmViewOverlays9() = default;

template <class Apply>
void CQlmViewOverlays9::ForEach(Apply apply) {
  apply(*this->BorderWindow);
  apply(*this->TitleWindow);
  apply(*this->OrientWindow);
  apply(*this->NumberWindow);
  apply(*this->RullerWindow);
}

void CQlmViewOverlays9::Attach(CQlmLayeredWindow9* window) {
  this->Window = window;
  this->ForEach([window](auto& overlay) {
    overlay.SetWindow(window);
    overlay.AddToWindow();
  });
}

void CQlmViewOverlays9::SetOffScreenWindow(CQlmLayeredWindow9* copy) {
  this->ForEach([copy](auto& overlay) { overlay.SetOffScreenWindow(copy); });
}

void CQlmViewOverlays9::PointAtWindow() {
  CQlmLayeredWindow9* window = this->Window;
  this->ForEach([window](auto& overlay) { overlay.SetWindow(window); });
}

void CQlmViewOverlays9::SetVisibilities(const int visible[CQlmViewOverlays::ItemCount]) {
  this->TitleWindow->SetVisibility(visible[CQlmViewOverlays::Title]);
  this->OrientWindow->SetVisibility(visible[CQlmViewOverlays::Orientation]);
  this->NumberWindow->SetVisibility(visible[CQlmViewOverlays::Number]);
  this->RullerWindow->SetVisibility(visible[CQlmViewOverlays::Ruller]);
  this->BorderWindow->SetVisibility(visible[CQlmViewOverlays::Border]);
}
