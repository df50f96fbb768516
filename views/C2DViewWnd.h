#pragma once
// What the axial, cross-section and panoramic view windows share.
//
// The window paints nothing itself: its render-window wrapper draws the view
// into it. Mouse events go to the view's mouse style with the flag word and
// the client point unchanged, after the cursor has been chosen from the
// controller's tool (Qt keeps the mouse with the window from a press to its
// release). While the view does not render (no project, or the view switched
// off) the handlers only set the default cursor.
//
// The view's position is an index (axial slice, first cross-section, parallel
// curve) that the vertical scroll bar (also the wheel over it) and the
// navigation keys move. The
// scroll position runs opposite to the index: index = scroll maximum -
// position, so the top of the bar shows the highest index. A move fans the
// new index out (FanOut: the CT filter, then the controller's position
// followers in stage order), renders the view and, once the move is over,
// the views that show an indicator of its position. No index outside 0 ..
// the highest index the view can show is ever fanned out.
#include "platform/gui/CWnd.h"

class CQlmPositionListener;
class CQlmQuorvantile;

template <class MouseStyle>
class C2DViewWnd : public CWnd {
public:
  // Adds the vertical scroll bar to `style`.
  BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) override;

  // Moves the view to `index` for the editing tools: the fan-out, the scroll
  // position and the modified flag; renders nothing (the caller does).
  // Nothing for the current index, nor for one the scroll range or the view
  // cannot show.
  void SetSlice(int index);

  // The current controller; not owned. The main frame sets it whenever it makes one.
  CQlmQuorvantile* Quorvantile = nullptr;

protected:
  // `view`: this view's QlmView code; after a move the two other 2D views
  // render in the order `firstFollower`, `secondFollower`, then the 3D view.
  C2DViewWnd(int view, int firstFollower, int secondFollower);

  // What each view fills in; called only while there is a controller.
  virtual MouseStyle* GetStyle() const = 0;
  // The wrapper's enabled flag.
  virtual bool IsRendering() const = 0;
  virtual int GetCurrentIndex() const = 0;
  // -1 while the view has nothing to show.
  virtual int GetHighestIndex() const = 0;
  virtual void FanOut(int index) = 0;
  // Hands a key to the controller's key operation of the view; called with a controller only.
  virtual void PassKeyToController(UINT key, UINT repeat, UINT flags) = 0;
  // Whether the navigation keys and SetSlice may move the view now.
  virtual bool MayNavigate() const { return true; }
  virtual bool MaySetSlice() const { return true; }
  // Whether the middle button and the wheel reach the style also while the view does not render.
  virtual bool MiddleAndWheelWhileOff() const { return false; }
  // Runs before the renders of a scroll-bar move.
  virtual void BeforeScrollRenders() {}

  int OnCreate() override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnLButtonDblClk(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;
  void OnRButtonDown(UINT flags, CPoint point) override;
  void OnRButtonUp(UINT flags, CPoint point) override;
  void OnRButtonDblClk(UINT flags, CPoint point) override;
  void OnMButtonDown(UINT flags, CPoint point) override;
  void OnMButtonUp(UINT flags, CPoint point) override;
  void OnMouseMove(UINT flags, CPoint point) override;
  void OnMouseWheel(UINT flags, short delta, CPoint point) override;
  // Page Up, Page Down, End, Home, Up and Down move the view.
  void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
  // The real release of a navigation key renders the views that follow this one.
  void OnKeyUp(UINT key, UINT repeat, UINT flags) override;
  void OnVScroll(UINT code, UINT position, CWnd* scrollBar) override;
  // The wheel turned over the scroll bar: a move by whole lines that ends at once.
  void OnBarWheel(int delta);

  // A controller, its style and the view rendering.
  bool IsLive() const;
  // IsLive, or only a controller with its style where MiddleAndWheelWhileOff.
  bool TakesMiddleAndWheel() const;
  // The default cursor while the view does not render, the pan cursor while
  // the middle button is held, else the tool's cursor.
  void UpdateCursor();
  void MarkModified();
  int GetTool() const;
  // The follower of a fan-out stage (CQlmPositionListener::Stage), or null.
  CQlmPositionListener* GetFollower(int stage) const;
  // Renders the view of a QlmView code.
  void RenderView(int view) const;

  const int View;
  int KeyHeld = 0;
  int MiddleHeld = 0;

private:
  // Fans the index at scroll position `position` out and shows the position;
  // false (nothing done) when that index is not one the view can show.
  bool MoveTo(int position, SCROLLINFO& info);
  bool IsShownIndex(int index) const;
  // The other views that show this view's position render; the 3D view only when `with3D`.
  void RenderFollowers(bool with3D) const;
  // The view, then (`ends`: the move is over) the 3D view, then the 2D views that show its position.
  void RenderAfterScroll(bool ends);
  bool ShowsMyPosition(int view) const;

  const int Followers[2];
  // Wheel turn not yet a whole notch.
  int WheelDelta = 0;
};

class CQlmInteractorStyle2;
class CQlmInteractorStyle29;
extern template class C2DViewWnd<CQlmInteractorStyle2>;
extern template class C2DViewWnd<CQlmInteractorStyle29>;
