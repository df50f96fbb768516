#include "views/C2DViewWnd.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <functional>
#include <optional>

#include "app/CQlmQuorvantile.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmPositionListener.h"
#include "views/QlmView.h"
#include "views/QlmViewCursor.h"

namespace {

constexpr int PageStep = 10;
constexpr int WheelNotch = 120;

// Hands the wheel turned over a window's scroll bar to the window, in place of the bar.
class BarWheel : public QObject {
public:
  BarWheel(QObject* bar, std::function<void(int)> onWheel) : QObject(bar), OnWheel(std::move(onWheel)) {}

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Wheel) return false;
    this->OnWheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
    return true;
  }

private:
  std::function<void(int)> OnWheel;
};

bool IsNavigationKey(UINT key) {
  return key == VK_PRIOR || key == VK_NEXT || key == VK_END || key == VK_HOME || key == VK_UP || key == VK_DOWN;
}

// The scroll position a navigation key moves to; none when it does not move.
std::optional<int> KeyTarget(UINT key, const SCROLLINFO& info) {
  const int position = info.nPos;
  switch (key) {
    case VK_PRIOR:
      return std::max(position - PageStep, info.nMin);
    case VK_NEXT:
      return std::min(position + PageStep, info.nMax);
    case VK_END:
      if (position == info.nMax) return std::nullopt;
      return info.nMax;
    case VK_HOME:
      if (position == info.nMin) return std::nullopt;
      return info.nMin;
    case VK_UP:
      if (position - 1 < info.nMin) return std::nullopt;
      return position - 1;
    case VK_DOWN:
      if (position + 1 > info.nMax) return std::nullopt;
      return position + 1;
    default:
      return std::nullopt;
  }
}

// The scroll position a scroll-bar code moves to; none when it does not move.
std::optional<int> BarTarget(UINT code, const SCROLLINFO& info) {
  const int position = info.nPos;
  switch (code) {
    case SB_LINEUP:
      if (position - 1 < info.nMin) return std::nullopt;
      return position - 1;
    case SB_LINEDOWN:
      if (position + 1 > info.nMax) return std::nullopt;
      return position + 1;
    case SB_PAGEUP:
      return std::max(position - PageStep, info.nMin);
    case SB_PAGEDOWN:
      return std::min(position + PageStep, info.nMax);
    case SB_THUMBTRACK:
      return info.nTrackPos;
    default:
      return std::nullopt;
  }
}

bool IsHandledBarCode(UINT code) { return code <= SB_PAGEDOWN || code == SB_THUMBTRACK || code == SB_ENDSCROLL; }

}  // namespace

template <class MouseStyle>
C2DViewWnd<MouseStyle>::C2DViewWnd(int view, int firstFollower, int secondFollower)
    : View(view), Followers{firstFollower, secondFollower} {}

template <class MouseStyle>
BOOL C2DViewWnd<MouseStyle>::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  return CWnd::Create(style | WS_VSCROLL, rect, parent, id);
}

// The wrapper's picture covers the whole client area: nothing is erased
// first. Moves without a button arrive too, for the cursor.
template <class MouseStyle>
int C2DViewWnd<MouseStyle>::OnCreate() {
  this->GetSafeHwnd()->setAttribute(Qt::WA_OpaquePaintEvent);
  this->GetSafeHwnd()->setMouseTracking(true);
  QScrollBar* bar = this->GetVerticalScrollBar();
  bar->installEventFilter(new BarWheel(bar, [this](int delta) { this->OnBarWheel(delta); }));
  this->KeyHeld = 0;
  this->MiddleHeld = 0;
  return 0;
}

template <class MouseStyle>
bool C2DViewWnd<MouseStyle>::IsLive() const {
  return this->Quorvantile && this->GetStyle() && this->IsRendering();
}

template <class MouseStyle>
bool C2DViewWnd<MouseStyle>::TakesMiddleAndWheel() const {
  if (!this->MiddleAndWheelWhileOff()) return this->IsLive();
  return this->Quorvantile && this->GetStyle();
}

template <class MouseStyle>
int C2DViewWnd<MouseStyle>::GetTool() const {
  return this->Quorvantile ? this->Quorvantile->Tool : 0;
}

template <class MouseStyle>
void C2DViewWnd<MouseStyle>::MarkModified() {
  this->Quorvantile->Modified = 1;
}

template <class MouseStyle>
CQlmPositionListener* C2DViewWnd<MouseStyle>::GetFollower(int stage) const {
  return this->Quorvantile->PositionListeners[stage];
}

template <class MouseStyle>
void C2DViewWnd<MouseStyle>::RenderView(int view) const {
  CQlmQuorvantile& controller = *this->Quorvantile;
  switch (view) {
    case QlmView::Axial:
      controller.WindowAxial->Render();
      break;
    case QlmView::Cross:
      controller.WindowCross->Render();
      break;
    case QlmView::Panoramic:
      controller.WindowPanoramic->Render();
      break;
    default:
      controller.Window3D->Render();
      break;
  }
}

// New implants go into the mandible until the implant container keeps the jaw.
template <class MouseStyle>
void C2DViewWnd<MouseStyle>::UpdateCursor() {
  if (!this->Quorvantile) return;
  int entry = QlmViewCursor::Default;
  if (this->IsRendering()) {
    entry = this->MiddleHeld ? QlmViewCursor::Pan
                             : QlmViewCursor::ForTool(this->View, this->GetTool(), false, QlmViewCursor::Keep);
  }
  if (entry != QlmViewCursor::Keep) this->SetCursor(this->Quorvantile->Cursors[entry]);
}

template <class MouseStyle>
void C2DViewWnd<MouseStyle>::OnLButtonDown(UINT flags, CPoint point) {
  this->UpdateCursor();
  if (!this->IsLive()) return;
  this->SetFocus();
  this->GetStyle()->OnLeftButtonDown(flags, point.x, point.y);
}

template <class MouseStyle>
void C2DViewWnd<MouseStyle>::OnLButtonDblClk(UINT flags, CPoint point) {
  this->UpdateCursor();
  if (!this->IsLive()) return;
  this->GetStyle()->OnLeftButtonDblClk(flags, point.x, point.y);
}

template <class MouseStyle>
void C2DViewWnd<MouseStyle>::OnLButtonUp(UINT flags, CPoint point) {
  this->UpdateCursor();
  if (!this->IsLive()) return;
  this->GetStyle()->OnLeftButtonUp(flags, point.x, point.y);
}

template <class MouseStyle>
void C2DViewWnd<MouseStyle>::OnRButtonDown(UINT flags, CPoint point) {
  this->UpdateCursor();
  if (!this->IsLive()) return;
  this->SetFocus();
  this->GetStyle()->OnRightButtonDown(flags, point.x, point.y);
}

template <class MouseStyle>
void C2DViewWnd<MouseStyle>::OnRButtonUp(UINT flags, CPoint point) {
  this->UpdateCursor();
  if (!this->IsLive()) return;
  this->GetStyle()->OnRightButtonUp(flags, point.x, point.y);
}

template <class MouseStyle>
void C2DViewWnd<MouseStyle>::OnRButtonDblClk(UINT, CPoint) {
  this->UpdateCursor();
}

template <class MouseStyle>
void C2DViewWnd<MouseStyle>::OnMButtonDown(UINT, CPoint) {
  if (!this->TakesMiddleAndWheel()) {
    this->UpdateCursor();
    return;
  }
  this->MiddleHeld = 1;
  this->SetFocus();
  this->UpdateCursor();
}

template <class MouseStyle>
void C2DViewWnd<MouseStyle>::OnMButtonUp(UINT, CPoint) {
  if (!this->TakesMiddleAndWheel()) {
    this->UpdateCursor();
    return;
  }
  this->MiddleHeld = 0;
  this->UpdateCursor();
}

template <class MouseStyle>
void C2DViewWnd<MouseStyle>::OnMouseMove(UINT flags, CPoint point) {
  if (!this->IsLive()) {
    this->UpdateCursor();
    return;
  }
  this->UpdateCursor();
  this->GetStyle()->OnMouseMove(flags, point.x, point.y);
  if ((flags & MK_LBUTTON) && this->GetTool() != 0) this->MarkModified();
}

template <class MouseStyle>
void C2DViewWnd<MouseStyle>::OnMouseWheel(UINT flags, short delta, CPoint point) {
  if (!this->TakesMiddleAndWheel()) {
    this->UpdateCursor();
    return;
  }
  this->SetFocus();
  this->UpdateCursor();
  this->GetStyle()->OnMouseWheel(flags, delta, point.x, point.y);
}

template <class MouseStyle>
bool C2DViewWnd<MouseStyle>::IsShownIndex(int index) const {
  return index >= 0 && index <= this->GetHighestIndex();
}

template <class MouseStyle>
bool C2DViewWnd<MouseStyle>::MoveTo(int position, SCROLLINFO& info) {
  const int index = info.nMax - position;
  if (!this->IsShownIndex(index)) return false;
  this->FanOut(index);
  info.nPos = position;
  this->SetScrollInfo(SB_VERT, info, TRUE);
  this->MarkModified();
  return true;
}

template <class MouseStyle>
void C2DViewWnd<MouseStyle>::SetSlice(int index) {
  if (!this->Quorvantile || !this->MaySetSlice()) return;
  SCROLLINFO info;
  if (!this->GetScrollInfo(SB_VERT, &info)) return;
  if (!this->IsShownIndex(index) || index == this->GetCurrentIndex() || info.nMax - index < info.nMin) return;
  this->MoveTo(info.nMax - index, info);
}

// Page Up and Page Down fan out also at the end of the range.
template <class MouseStyle>
void C2DViewWnd<MouseStyle>::OnKeyDown(UINT key, UINT repeat, UINT flags) {
  if (this->Quorvantile) this->PassKeyToController(key, repeat, flags);
  if (!this->IsLive() || !this->MayNavigate()) return;
  SCROLLINFO info;
  if (!this->GetScrollInfo(SB_VERT, &info)) return;
  const std::optional<int> target = KeyTarget(key, info);
  if (!target || !this->MoveTo(*target, info)) return;
  this->KeyHeld = 1;
  this->RenderView(this->View);
}

template <class MouseStyle>
void C2DViewWnd<MouseStyle>::OnKeyUp(UINT key, UINT, UINT) {
  if (!IsNavigationKey(key) || !this->KeyHeld) return;
  this->KeyHeld = 0;
  if (this->Quorvantile) this->RenderFollowers(true);
}

template <class MouseStyle>
void C2DViewWnd<MouseStyle>::OnVScroll(UINT code, UINT position, CWnd* scrollBar) {
  if (!this->Quorvantile || !IsHandledBarCode(code)) return;
  this->SetFocus();
  SCROLLINFO info;
  if (!this->GetScrollInfo(SB_VERT, &info)) return;
  std::optional<int> target = BarTarget(code, info);
  if (code == SB_THUMBTRACK && info.nMax - *target == this->GetCurrentIndex()) target.reset();
  const bool moved = target && this->MoveTo(*target, info);
  if (moved || code == SB_ENDSCROLL) this->RenderAfterScroll(code == SB_ENDSCROLL);
  CWnd::OnVScroll(code, position, scrollBar);
}

// Three lines a notch (the desktop's setting), towards the top for a turn away from the user.
template <class MouseStyle>
void C2DViewWnd<MouseStyle>::OnBarWheel(int delta) {
  if (!this->Quorvantile) return;
  this->SetFocus();
  this->WheelDelta += delta;
  const int notches = this->WheelDelta / WheelNotch;
  this->WheelDelta %= WheelNotch;
  SCROLLINFO info;
  if (notches == 0 || !this->GetScrollInfo(SB_VERT, &info)) return;
  const int target =
      std::clamp(info.nPos - notches * QApplication::wheelScrollLines(), info.nMin, std::max(info.nMin, info.nMax));
  if (target != info.nPos && this->MoveTo(target, info)) this->RenderAfterScroll(true);
}

template <class MouseStyle>
void C2DViewWnd<MouseStyle>::RenderAfterScroll(bool ends) {
  this->BeforeScrollRenders();
  this->RenderView(this->View);
  if (ends && this->ShowsMyPosition(QlmView::View3D)) this->RenderView(QlmView::View3D);
  this->RenderFollowers(false);
}

template <class MouseStyle>
bool C2DViewWnd<MouseStyle>::ShowsMyPosition(int view) const {
  const CQlmPositionListener* indicators = this->GetFollower(CQlmPositionListener::Indicators);
  return indicators && indicators->IsIndicatorVisible(this->View, view);
}

template <class MouseStyle>
void C2DViewWnd<MouseStyle>::RenderFollowers(bool with3D) const {
  for (int view : this->Followers) {
    if (this->ShowsMyPosition(view)) this->RenderView(view);
  }
  if (with3D && this->ShowsMyPosition(QlmView::View3D)) this->RenderView(QlmView::View3D);
}

template class C2DViewWnd<CQlmInteractorStyle2>;
template class C2DViewWnd<CQlmInteractorStyle29>;
