#pragma once
// A window: a C++ object that owns a Qt widget and receives its events
// through the virtual handlers below, as the program's Windows-born classes
// expect. The widget is made by Create and destroyed by DestroyWindow or
// with the object; a parent's widget destroys its children's widgets.
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

#include "platform/CString.h"
#include "platform/gui/CCmdTarget.h"
#include "platform/gui/CRect.h"

class CFont;
class QCursor;
class QKeyEvent;
class QScrollBar;

// Range, page, position and thumb position of a scroll bar.
struct SCROLLINFO {
  int nMin = 0;
  int nMax = 0;
  UINT nPage = 0;
  int nPos = 0;
  int nTrackPos = 0;
};

class CWnd : public CCmdTarget {
public:
  CWnd();
  ~CWnd() override;

  // Makes the window, a child of `parent` (null: top level) with the control
  // identifier `id`, placed at `rect` in the parent's client coordinates;
  // WS_VSCROLL adds a vertical scroll bar at the right edge of the client
  // area. Runs OnCreate; FALSE when it returns -1 or the window exists already.
  virtual BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id);
  // Runs OnDestroy, destroys the widget (children with it), then PostNcDestroy.
  // Windows subclassing its controls are let go first (OnDestroy, then
  // UnsubclassWindow), as their widgets go with this one.
  BOOL DestroyWindow();

  // Makes this window the owner of `widget`, a control that another window
  // (`parent`) made, e.g. from a dialog template: its events reach this
  // window's handlers from now on. Runs PreSubclassWindow. FALSE when this
  // window has a widget already or `widget` is null. A window that held the
  // widget before lets it go.
  BOOL SubclassWindow(QWidget* widget, CWnd* parent, UINT id);
  // The control `id` of `parent` (see FindControl).
  BOOL SubclassDlgItem(UINT id, CWnd* parent);
  // Lets the widget go without destroying it; its events no longer arrive.
  // Returns it, or null when there is none.
  QWidget* UnsubclassWindow();
  // The window that subclassed control `id` of this window, or null.
  CWnd* FindSubclassed(UINT id) const;
  // The control widget `id` among this window's child widgets made by a
  // template (see QlmDialogBuilder), or null.
  QWidget* FindControl(UINT id) const;

  // The widget; null before Create and after DestroyWindow.
  QWidget* GetSafeHwnd() const { return this->Widget.data(); }
  // The window whose widget `widget` is (made by Create or subclassed), or null.
  static CWnd* FromHandlePermanent(const QWidget* widget);
  CWnd* GetParent() const { return this->Parent; }
  UINT GetDlgCtrlID() const { return this->ControlID; }
  DWORD GetStyle() const { return this->Style; }

  // SW_HIDE, SW_SHOW or SW_SHOWMAXIMIZED (which fills the screen's available
  // area also without a window manager). Returns whether it was visible.
  BOOL ShowWindow(int command);
  BOOL IsWindowVisible() const;
  // Returns whether it was disabled before.
  BOOL EnableWindow(BOOL enable = TRUE);
  BOOL IsWindowEnabled() const;
  // The caption of a window; the text of a control.
  virtual void SetWindowText(const CString& text);
  virtual CString GetWindowText() const;
  void SetFont(const CFont* font);

  // The client area starts at (0, 0) and excludes the scroll bar.
  virtual void GetClientRect(CRect* rect) const;
  // In screen coordinates.
  void GetWindowRect(CRect* rect) const;
  void ClientToScreen(CRect* rect) const;
  // `rect` in the parent's client coordinates.
  void MoveWindow(const CRect& rect, BOOL repaint = TRUE);
  void Invalidate(BOOL erase = TRUE);
  // Paints what is invalid at once.
  void UpdateWindow();
  void SetFocus();
  // The keyboard focus is in this window or in one of its children.
  BOOL HasFocusWithin() const;
  void SetCursor(const QCursor& cursor);

  // Timers deliver OnTimer(id); setting an existing id restarts it.
  UINT SetTimer(UINT id, UINT elapseMs);
  BOOL KillTimer(UINT id);

  // The vertical scroll bar (bar SB_VERT) of a window created with WS_VSCROLL.
  BOOL GetScrollInfo(int bar, SCROLLINFO* info) const;
  void SetScrollInfo(int bar, const SCROLLINFO& info, BOOL redraw = TRUE);
  void SetScrollRange(int bar, int minimum, int maximum, BOOL redraw = TRUE);
  int GetScrollPos(int bar) const;
  int SetScrollPos(int bar, int position, BOOL redraw = TRUE);
  // ESB_DISABLE_BOTH or ESB_ENABLE_BOTH.
  BOOL EnableScrollBar(int bar, UINT arrows);
  QScrollBar* GetVerticalScrollBar() const { return this->VerticalBar; }

protected:
  // The kind of widget this window is; the default is a plain widget.
  virtual QWidget* CreateWidget(QWidget* parent);
  // After the widget exists: 0 to go on, -1 to fail the creation.
  virtual int OnCreate() { return 0; }
  // The window has just got its widget, made by Create or taken over by
  // SubclassWindow; before OnCreate.
  virtual void PreSubclassWindow() {}
  // A child window of this one has been made (its identifier is known).
  virtual void OnChildCreated(CWnd* child) { (void)child; }
  virtual void OnDestroy() {}
  virtual void PostNcDestroy() {}
  // The user asked to close the window; the default destroys it.
  virtual void OnClose() { this->DestroyWindow(); }
  // A child's prompt while the pointer is over it (empty when it leaves);
  // true when shown here, false to pass it on.
  virtual bool OnStatusTip(const CString& prompt) {
    (void)prompt;
    return false;
  }

  virtual void OnPaint() {}
  virtual void OnSize(UINT type, int cx, int cy) { (void)type, (void)cx, (void)cy; }
  virtual void OnTimer(UINT id) { (void)id; }
  virtual void OnSetFocus() {}
  virtual void OnKillFocus() {}
  // Mouse handlers get MK_ flags and client coordinates.
  virtual void OnLButtonDown(UINT flags, CPoint point) { (void)flags, (void)point; }
  virtual void OnLButtonUp(UINT flags, CPoint point) { (void)flags, (void)point; }
  virtual void OnLButtonDblClk(UINT flags, CPoint point) { (void)flags, (void)point; }
  virtual void OnRButtonDown(UINT flags, CPoint point) { (void)flags, (void)point; }
  virtual void OnRButtonUp(UINT flags, CPoint point) { (void)flags, (void)point; }
  virtual void OnRButtonDblClk(UINT flags, CPoint point) { (void)flags, (void)point; }
  virtual void OnMButtonDown(UINT flags, CPoint point) { (void)flags, (void)point; }
  virtual void OnMButtonUp(UINT flags, CPoint point) { (void)flags, (void)point; }
  virtual void OnMouseMove(UINT flags, CPoint point) { (void)flags, (void)point; }
  // `delta` is 120 per wheel notch, positive away from the user.
  virtual void OnMouseWheel(UINT flags, short delta, CPoint point) { (void)flags, (void)delta, (void)point; }
  // Virtual-key code; `flags` has 0x4000 set for an auto-repeated key.
  // Auto-repeat sends no OnKeyUp until the key is really released.
  virtual void OnKeyDown(UINT key, UINT repeat, UINT flags) { (void)key, (void)repeat, (void)flags; }
  virtual void OnKeyUp(UINT key, UINT repeat, UINT flags) { (void)key, (void)repeat, (void)flags; }
  // A typed character (its first UTF-16 unit), after OnKeyDown: text typed
  // without Ctrl, Alt or Meta, Delete excepted (see TypedCharacter).
  virtual void OnChar(UINT character, UINT repeat, UINT flags) { (void)character, (void)repeat, (void)flags; }
  // SB_ codes; `position` is the thumb position for SB_THUMBTRACK and
  // SB_THUMBPOSITION. `scrollBar` is the control that scrolled (a spin button)
  // or null for the window's own scroll bar.
  virtual void OnVScroll(UINT code, UINT position, CWnd* scrollBar) { (void)code, (void)position, (void)scrollBar; }
  // The same codes from a horizontal control of this window (a trackbar).
  virtual void OnHScroll(UINT code, UINT position, CWnd* scrollBar) { (void)code, (void)position, (void)scrollBar; }

  // The character a key press types, as OnChar receives it; 0 for none.
  static UINT TypedCharacter(const QKeyEvent& key);

private:
  friend class QlmWndEvents;
  friend class CSpinButtonCtrl;
  friend class CSliderCtrl;
  void PlaceScrollBar();
  void OnScrollAction(int action);
  void ForgetSubclassed(CWnd* child);
  // Ties the widget to this window (FromHandlePermanent) or unties it.
  void Attach(QWidget* widget);
  void Detach();

  // Windows that subclassed controls of this one, and the one this one
  // subclassed a control of.
  std::vector<CWnd*> Subclassed;
  CWnd* SubclassParent = nullptr;

  QPointer<QWidget> Widget;
  // A destroyed window's widget until Qt has deleted it.
  QPointer<QWidget> Doomed;
  CWnd* Parent = nullptr;
  UINT ControlID = 0;
  DWORD Style = 0;
  QScrollBar* VerticalBar = nullptr;
  SCROLLINFO VerticalInfo;
  std::map<UINT, int> Timers;  // our id -> Qt timer id
  std::unique_ptr<class QlmWndEvents> Events;
};
