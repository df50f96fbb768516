#include "views/CQlmViewOverlays.h"

#include <new>

CQlmViewOverlays* CQlmViewOverlays::New(int measured) {
  std::unique_ptr<CQlmViewOverlays> overlays(new (std::nothrow) CQlmViewOverlays());
  if (!overlays) return nullptr;
  overlays->BorderWindow.reset(CQlmBorderWindow::New());
  overlays->TitleWindow.reset(CQlmTitleWindow::New());
  if (!overlays->BorderWindow || !overlays->TitleWindow) return nullptr;
  if (measured) {
    overlays->OrientWindow.reset(CQlmOrientWindow::New());
    overlays->NumberWindow.reset(CQlmNumberWindow::New());
    overlays->RullerWindow.reset(CQlmRullerWindow::New());
    if (!overlays->OrientWindow || !overlays->NumberWindow || !overlays->RullerWindow) return nullptr;
  }
  return overlays.release();
}

CQlmViewOverlays::~CQlmViewOverlays() = default;

template <class Apply>
void CQlmViewOverlays::ForEach(Apply apply) {
  apply(*this->BorderWindow);
  apply(*this->TitleWindow);
  if (this->OrientWindow) apply(*this->OrientWindow);
  if (this->NumberWindow) apply(*this->NumberWindow);
  if (this->RullerWindow) apply(*this->RullerWindow);
}

void CQlmViewOverlays::Attach(CQlmLayeredWindow* window) {
  this->Window = window;
  this->ForEach([window](auto& overlay) {
    overlay.SetWindow(window);
    overlay.AddToWindow();
  });
}

void CQlmViewOverlays::SetOffScreenWindow(CQlmLayeredWindow* copy) {
  this->ForEach([copy](auto& overlay) { overlay.SetOffScreenWindow(copy); });
}

void CQlmViewOverlays::PointAtWindow() {
  CQlmLayeredWindow* window = this->Window;
  this->ForEach([window](auto& overlay) { overlay.SetWindow(window); });
}

void CQlmViewOverlays::SetVisibilities(const int visible[ItemCount]) {
  this->TitleWindow->SetVisibility(visible[Title]);
  this->BorderWindow->SetVisibility(visible[Border]);
  if (this->OrientWindow) this->OrientWindow->SetVisibility(visible[Orientation]);
  if (this->NumberWindow) this->NumberWindow->SetVisibility(visible[Number]);
  if (this->RullerWindow) this->RullerWindow->SetVisibility(visible[Ruller]);
}
