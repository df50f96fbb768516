#include "platform/gui/CWnd.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QTimerEvent>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>

#include "platform/gui/CFont.h"
#include "platform/gui/QlmDialogBuilder.h"
#include "platform/gui/QlmKeyState.h"

namespace {

// The widget's property that names its window (FromHandlePermanent).
constexpr const char* WindowProperty = "qlmWindow";

UINT VirtualKeyFromQt(int key) {
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return static_cast<UINT>(key);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return VK_F1 + static_cast<UINT>(key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Backspace:
      return VK_BACK;
    case Qt::Key_Tab:
      return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return VK_RETURN;
    case Qt::Key_Shift:
      return VK_SHIFT;
    case Qt::Key_Control:
      return VK_CONTROL;
    case Qt::Key_Alt:
      return VK_MENU;
    case Qt::Key_Escape:
      return VK_ESCAPE;
    case Qt::Key_Space:
      return VK_SPACE;
    case Qt::Key_PageUp:
      return VK_PRIOR;
    case Qt::Key_PageDown:
      return VK_NEXT;
    case Qt::Key_End:
      return VK_END;
    case Qt::Key_Home:
      return VK_HOME;
    case Qt::Key_Left:
      return VK_LEFT;
    case Qt::Key_Up:
      return VK_UP;
    case Qt::Key_Right:
      return VK_RIGHT;
    case Qt::Key_Down:
      return VK_DOWN;
    case Qt::Key_Insert:
      return VK_INSERT;
    case Qt::Key_Delete:
      return VK_DELETE;
    default:
      return 0;
  }
}

UINT MouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  UINT flags = 0;
  if (buttons & Qt::LeftButton) flags |= MK_LBUTTON;
  if (buttons & Qt::RightButton) flags |= MK_RBUTTON;
  if (buttons & Qt::MiddleButton) flags |= MK_MBUTTON;
  if (modifiers & Qt::ShiftModifier) flags |= MK_SHIFT;
  if (modifiers & Qt::ControlModifier) flags |= MK_CONTROL;
  return flags;
}

CPoint PointOf(const QPointF& position) {
  return CPoint(static_cast<int>(position.x()), static_cast<int>(position.y()));
}

}  // namespace

// Hands the events of a window's widget to the window's virtual handlers.
class QlmWndEvents : public QObject {
public:
  explicit QlmWndEvents(CWnd& window) : Window(window) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == this->Window.VerticalBar && event->type() == QEvent::MouseButtonRelease) {
      this->Window.OnVScroll(SB_ENDSCROLL, static_cast<UINT>(this->Window.VerticalInfo.nPos), nullptr);
      return false;
    }
    if (watched != this->Window.Widget) return false;
    switch (event->type()) {
      case QEvent::Paint:
        this->Window.OnPaint();
        return false;
      case QEvent::Resize:
        return this->Resized();
      case QEvent::MouseButtonPress:
        return this->MousePressed(static_cast<QMouseEvent*>(event));
      case QEvent::MouseButtonRelease:
        return this->MouseReleased(static_cast<QMouseEvent*>(event));
      case QEvent::MouseButtonDblClick:
        return this->MouseDoubleClicked(static_cast<QMouseEvent*>(event));
      case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        this->Window.OnMouseMove(MouseFlags(mouse->buttons(), mouse->modifiers()), PointOf(mouse->position()));
        return false;
      }
      case QEvent::Wheel: {
        auto* wheel = static_cast<QWheelEvent*>(event);
        this->Window.OnMouseWheel(MouseFlags(wheel->buttons(), wheel->modifiers()),
                                  static_cast<short>(wheel->angleDelta().y()), PointOf(wheel->position()));
        return false;
      }
      case QEvent::KeyPress:
        return this->KeyPressed(static_cast<QKeyEvent*>(event));
      case QEvent::KeyRelease:
        return this->KeyReleased(static_cast<QKeyEvent*>(event));
      case QEvent::FocusIn:
        this->Window.OnSetFocus();
        return false;
      case QEvent::FocusOut:
        this->Window.OnKillFocus();
        return false;
      case QEvent::Timer:
        return this->TimerFired(static_cast<QTimerEvent*>(event));
      case QEvent::Close:
        event->ignore();
        this->Window.OnClose();
        return true;
      case QEvent::StatusTip:
        return this->Window.OnStatusTip(CString(static_cast<QStatusTipEvent*>(event)->tip().toStdString()));
      default:
        return false;
    }
  }

private:
  bool Resized() {
    this->Window.PlaceScrollBar();
    CRect client;
    this->Window.GetClientRect(&client);
    this->Window.OnSize(0, client.Width(), client.Height());
    return false;
  }

  bool MousePressed(QMouseEvent* mouse) {
    UINT flags = MouseFlags(mouse->buttons(), mouse->modifiers());
    CPoint point = PointOf(mouse->position());
    switch (mouse->button()) {
      case Qt::LeftButton:
        this->Window.OnLButtonDown(flags, point);
        break;
      case Qt::RightButton:
        this->Window.OnRButtonDown(flags, point);
        break;
      case Qt::MiddleButton:
        this->Window.OnMButtonDown(flags, point);
        break;
      default:
        break;
    }
    return false;
  }

  bool MouseReleased(QMouseEvent* mouse) {
    UINT flags = MouseFlags(mouse->buttons(), mouse->modifiers());
    CPoint point = PointOf(mouse->position());
    switch (mouse->button()) {
      case Qt::LeftButton:
        this->Window.OnLButtonUp(flags, point);
        break;
      case Qt::RightButton:
        this->Window.OnRButtonUp(flags, point);
        break;
      case Qt::MiddleButton:
        this->Window.OnMButtonUp(flags, point);
        break;
      default:
        break;
    }
    return false;
  }

  bool MouseDoubleClicked(QMouseEvent* mouse) {
    UINT flags = MouseFlags(mouse->buttons(), mouse->modifiers());
    CPoint point = PointOf(mouse->position());
    if (mouse->button() == Qt::LeftButton) this->Window.OnLButtonDblClk(flags, point);
    if (mouse->button() == Qt::RightButton) this->Window.OnRButtonDblClk(flags, point);
    return false;
  }

  bool KeyPressed(QKeyEvent* key) {
    const QlmKeyState::Delivery held(key->modifiers());
    UINT flags = key->isAutoRepeat() ? 0x4000u : 0u;
    if (UINT code = VirtualKeyFromQt(key->key())) this->Window.OnKeyDown(code, 1, flags);
    UINT character = CWnd::TypedCharacter(*key);
    if (this->Window.Widget && character) this->Window.OnChar(character, 1, flags);
    // A plain window keeps the keys it gets, as the window with the focus
    // does: Qt would hand them on to the parent window as well.
    const QWidget* widget = this->Window.GetSafeHwnd();
    return widget && widget->metaObject() == &QWidget::staticMetaObject;
  }

  bool KeyReleased(QKeyEvent* key) {
    if (key->isAutoRepeat()) return false;
    if (UINT code = VirtualKeyFromQt(key->key())) this->Window.OnKeyUp(code, 1, 0xC000u);
    return false;
  }

  bool TimerFired(QTimerEvent* timer) {
    for (const auto& [id, qtId] : this->Window.Timers) {
      if (qtId == timer->timerId()) {
        this->Window.OnTimer(id);
        return true;
      }
    }
    return false;
  }

  CWnd& Window;
};

CWnd::CWnd() : Events(std::make_unique<QlmWndEvents>(*this)) {}

CWnd::~CWnd() {
  if (this->SubclassParent) this->SubclassParent->ForgetSubclassed(this);
  for (CWnd* child : this->Subclassed) child->SubclassParent = nullptr;
  // The widget must not call back into a half-destroyed object.
  if (QWidget* widget = this->Widget.data()) {
    this->Detach();
    delete widget;
  }
  delete this->Doomed.data();
}

BOOL CWnd::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  if (this->Widget) return FALSE;
  this->Parent = parent;
  this->ControlID = id;
  this->Style = style;
  QWidget* widget = this->CreateWidget(parent ? parent->GetSafeHwnd() : nullptr);
  if (!widget) return FALSE;
  this->Attach(widget);
  this->PreSubclassWindow();
  if (style & WS_VSCROLL) {
    this->VerticalBar = new QScrollBar(Qt::Vertical, this->Widget);
    this->VerticalBar->setFocusPolicy(Qt::NoFocus);
    QObject::connect(this->VerticalBar, &QAbstractSlider::actionTriggered,
                     [this](int action) { this->OnScrollAction(action); });
    this->VerticalBar->installEventFilter(this->Events.get());
  }
  if (parent || !rect.IsRectEmpty()) {
    this->Widget->setGeometry(rect.left, rect.top, std::max(rect.Width(), 0), std::max(rect.Height(), 0));
  }
  if (parent) parent->OnChildCreated(this);
  this->PlaceScrollBar();
  if (this->OnCreate() == -1) {
    this->DestroyWindow();
    return FALSE;
  }
  return TRUE;
}

QWidget* CWnd::CreateWidget(QWidget* parent) {
  auto* widget = new QWidget(parent);
  widget->setFocusPolicy(Qt::ClickFocus);
  return widget;
}

BOOL CWnd::DestroyWindow() {
  if (!this->Widget) return FALSE;
  for (CWnd* child : std::vector<CWnd*>(this->Subclassed)) {
    child->OnDestroy();
    child->UnsubclassWindow();
  }
  this->OnDestroy();
  for (const auto& timer : this->Timers) this->Widget->killTimer(timer.second);
  this->Timers.clear();
  QWidget* widget = this->Widget.data();
  this->Detach();
  this->VerticalBar = nullptr;
  widget->hide();
  widget->deleteLater();
  this->Doomed = widget;
  this->PostNcDestroy();
  return TRUE;
}

BOOL CWnd::SubclassWindow(QWidget* widget, CWnd* parent, UINT id) {
  if (this->Widget || !widget) return FALSE;
  if (parent) {
    if (CWnd* holder = parent->FindSubclassed(id)) holder->UnsubclassWindow();
    parent->Subclassed.push_back(this);
  }
  this->SubclassParent = parent;
  this->Parent = parent;
  this->ControlID = id;
  this->Attach(widget);
  this->PreSubclassWindow();
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  return parent ? this->SubclassWindow(parent->FindControl(id), parent, id) : FALSE;
}

QWidget* CWnd::UnsubclassWindow() {
  QWidget* widget = this->Widget.data();
  this->Detach();
  if (this->SubclassParent) this->SubclassParent->ForgetSubclassed(this);
  this->SubclassParent = nullptr;
  return widget;
}

CWnd* CWnd::FindSubclassed(UINT id) const {
  for (CWnd* child : this->Subclassed) {
    if (child->ControlID == id) return child;
  }
  return nullptr;
}

QWidget* CWnd::FindControl(UINT id) const {
  if (!this->Widget || id == IDC_STATIC) return nullptr;
  for (QWidget* child : this->Widget->findChildren<QWidget*>()) {
    if (QlmDialogBuilder::ControlId(child) == id) return child;
  }
  return nullptr;
}

void CWnd::ForgetSubclassed(CWnd* child) { std::erase(this->Subclassed, child); }

CWnd* CWnd::FromHandlePermanent(const QWidget* widget) {
  return widget ? reinterpret_cast<CWnd*>(widget->property(WindowProperty).value<quintptr>()) : nullptr;
}

void CWnd::Attach(QWidget* widget) {
  this->Widget = widget;
  widget->installEventFilter(this->Events.get());
  widget->setProperty(WindowProperty, QVariant::fromValue(reinterpret_cast<quintptr>(this)));
}

void CWnd::Detach() {
  if (QWidget* widget = this->Widget.data()) {
    widget->removeEventFilter(this->Events.get());
    widget->setProperty(WindowProperty, QVariant());
  }
  this->Widget = nullptr;
}

BOOL CWnd::ShowWindow(int command) {
  if (!this->Widget) return FALSE;
  BOOL wasVisible = this->Widget->isVisible();
  if (command == SW_HIDE) {
    this->Widget->hide();
  } else if (command == SW_SHOWMAXIMIZED && this->Widget->isWindow()) {
    if (QScreen* screen = this->Widget->screen()) this->Widget->setGeometry(screen->availableGeometry());
    this->Widget->showMaximized();
  } else {
    this->Widget->show();
  }
  return wasVisible;
}

BOOL CWnd::IsWindowVisible() const { return this->Widget && this->Widget->isVisible(); }

BOOL CWnd::EnableWindow(BOOL enable) {
  if (!this->Widget) return FALSE;
  BOOL wasDisabled = !this->Widget->isEnabled();
  this->Widget->setEnabled(enable != 0);
  return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const { return this->Widget && this->Widget->isEnabled(); }

void CWnd::SetWindowText(const CString& text) {
  if (this->Widget) QlmDialogBuilder::SetText(this->Widget, text);
}

CString CWnd::GetWindowText() const { return this->Widget ? QlmDialogBuilder::Text(this->Widget) : CString(); }

void CWnd::SetFont(const CFont* font) {
  if (this->Widget && font) this->Widget->setFont(font->GetQFont());
}

UINT CWnd::TypedCharacter(const QKeyEvent& key) {
  if (key.text().isEmpty() || key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
  const UINT character = key.text().at(0).unicode();
  return character == 0x7F ? 0 : character;
}

void CWnd::GetClientRect(CRect* rect) const {
  *rect = CRect();
  if (!this->Widget) return;
  int width = this->Widget->width();
  if (this->VerticalBar) width -= this->VerticalBar->sizeHint().width();
  *rect = CRect(0, 0, std::max(width, 0), this->Widget->height());
}

void CWnd::GetWindowRect(CRect* rect) const {
  *rect = CRect();
  if (!this->Widget) return;
  QPoint topLeft = this->Widget->mapToGlobal(QPoint(0, 0));
  *rect = CRect(topLeft.x(), topLeft.y(), topLeft.x() + this->Widget->width(), topLeft.y() + this->Widget->height());
}

void CWnd::ClientToScreen(CRect* rect) const {
  if (!this->Widget) return;
  QPoint origin = this->Widget->mapToGlobal(QPoint(0, 0));
  rect->OffsetRect(origin.x(), origin.y());
}

void CWnd::MoveWindow(const CRect& rect, BOOL repaint) {
  if (!this->Widget) return;
  this->Widget->setGeometry(rect.left, rect.top, std::max(rect.Width(), 0), std::max(rect.Height(), 0));
  if (repaint) this->Widget->update();
}

void CWnd::Invalidate(BOOL) {
  if (this->Widget) this->Widget->update();
}

void CWnd::UpdateWindow() {
  if (this->Widget && this->Widget->isVisible()) this->Widget->repaint();
}

void CWnd::SetFocus() {
  if (this->Widget) this->Widget->setFocus(Qt::OtherFocusReason);
}

BOOL CWnd::HasFocusWithin() const {
  QWidget* focus = QApplication::focusWidget();
  return this->Widget && focus && (focus == this->Widget || this->Widget->isAncestorOf(focus));
}

void CWnd::SetCursor(const QCursor& cursor) {
  if (this->Widget) this->Widget->setCursor(cursor);
}

UINT CWnd::SetTimer(UINT id, UINT elapseMs) {
  if (!this->Widget) return 0;
  this->KillTimer(id);
  this->Timers[id] = this->Widget->startTimer(static_cast<int>(elapseMs), Qt::PreciseTimer);
  return id;
}

BOOL CWnd::KillTimer(UINT id) {
  auto timer = this->Timers.find(id);
  if (timer == this->Timers.end()) return FALSE;
  if (this->Widget) this->Widget->killTimer(timer->second);
  this->Timers.erase(timer);
  return TRUE;
}

BOOL CWnd::GetScrollInfo(int bar, SCROLLINFO* info) const {
  if (bar != SB_VERT || !this->VerticalBar) return FALSE;
  *info = this->VerticalInfo;
  return TRUE;
}

void CWnd::SetScrollInfo(int bar, const SCROLLINFO& info, BOOL) {
  if (bar != SB_VERT || !this->VerticalBar) return;
  this->VerticalInfo = info;
  int pageCount = std::max(static_cast<int>(info.nPage), 1);
  int qtMaximum = std::max(info.nMax - pageCount + 1, info.nMin);
  this->VerticalInfo.nPos = std::clamp(info.nPos, info.nMin, qtMaximum);
  this->VerticalInfo.nTrackPos = this->VerticalInfo.nPos;
  const QSignalBlocker blocker(this->VerticalBar);
  this->VerticalBar->setRange(info.nMin, qtMaximum);
  this->VerticalBar->setPageStep(static_cast<int>(info.nPage));
  this->VerticalBar->setValue(this->VerticalInfo.nPos);
}

void CWnd::SetScrollRange(int bar, int minimum, int maximum, BOOL redraw) {
  SCROLLINFO info = this->VerticalInfo;
  info.nMin = minimum;
  info.nMax = maximum;
  this->SetScrollInfo(bar, info, redraw);
}

int CWnd::GetScrollPos(int bar) const { return bar == SB_VERT && this->VerticalBar ? this->VerticalInfo.nPos : 0; }

int CWnd::SetScrollPos(int bar, int position, BOOL redraw) {
  int previous = this->GetScrollPos(bar);
  SCROLLINFO info = this->VerticalInfo;
  info.nPos = position;
  this->SetScrollInfo(bar, info, redraw);
  return previous;
}

BOOL CWnd::EnableScrollBar(int bar, UINT arrows) {
  if (bar != SB_VERT || !this->VerticalBar) return FALSE;
  this->VerticalBar->setEnabled(arrows != ESB_DISABLE_BOTH);
  return TRUE;
}

void CWnd::PlaceScrollBar() {
  if (!this->VerticalBar || !this->Widget) return;
  int width = this->VerticalBar->sizeHint().width();
  this->VerticalBar->setGeometry(this->Widget->width() - width, 0, width, this->Widget->height());
}

// Qt moves the slider before reporting the action; the window decides the
// position itself (through SetScrollInfo), so the slider is put back first.
void CWnd::OnScrollAction(int action) {
  int track = this->VerticalBar->sliderPosition();
  this->VerticalBar->setSliderPosition(this->VerticalInfo.nPos);
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
      this->OnVScroll(SB_LINEUP, 0, nullptr);
      break;
    case QAbstractSlider::SliderSingleStepAdd:
      this->OnVScroll(SB_LINEDOWN, 0, nullptr);
      break;
    case QAbstractSlider::SliderPageStepSub:
      this->OnVScroll(SB_PAGEUP, 0, nullptr);
      break;
    case QAbstractSlider::SliderPageStepAdd:
      this->OnVScroll(SB_PAGEDOWN, 0, nullptr);
      break;
    case QAbstractSlider::SliderToMinimum:
      this->OnVScroll(SB_TOP, 0, nullptr);
      break;
    case QAbstractSlider::SliderToMaximum:
      this->OnVScroll(SB_BOTTOM, 0, nullptr);
      break;
    case QAbstractSlider::SliderMove:
      this->VerticalInfo.nTrackPos = track;
      this->OnVScroll(SB_THUMBTRACK, static_cast<UINT>(track), nullptr);
      break;
    default:
      break;
  }
}
