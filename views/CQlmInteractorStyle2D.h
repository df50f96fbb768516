#pragma once
// The mouse handling shared by the axial and panoramic views' style
// (CQlmInteractorStyle2, over CQlm2DInteractor) and the cross-section
// window's style (CQlmInteractorStyle29, over CQlm2DInteractor9).
//
// Each handler takes the mouse-message flag word (QlmMouseFlag bits) and the
// pointer in window coordinates. It records the modifiers, converts the point
// to display coordinates, stores it and the event word (QlmEvent) in the
// interactor and its state record, then acts by interaction state: a camera
// or object operation, a render of the view, and, in the states that a tool
// drives, a call of the attached core. In "select-then-tool" states a click
// without Ctrl first picks and shows the core the selection (record state 1)
// before the state's own event. State 0 ignores presses, releases and double
// clicks; a move with the middle button pans in every state; the wheel zooms
// in every state. Handlers do nothing before a window is bound.
#include "views/CQlm2DInteractor.h"
#include "views/CQlm2DInteractor9.h"

class CQlmCore;

template <class Interactor>
class CQlmInteractorStyle2D : public Interactor {
public:
  // Attaches `core` (null detaches): the old core is deactivated and the new
  // one activated on the style's window; nothing when it is already attached.
  void SetCore(CQlmCore* core);
  CQlmCore* GetCore() const { return this->Core; }

  void OnLeftButtonDown(int flags, int x, int y);
  void OnLeftButtonDblClk(int flags, int x, int y);
  void OnLeftButtonUp(int flags, int x, int y);
  void OnMouseMove(int flags, int x, int y);
  void OnRightButtonDown(int flags, int x, int y);
  void OnRightButtonUp(int flags, int x, int y);
  // `delta`: the wheel delta, a signed 16-bit value; below 0 zooms out, above 0 in.
  void OnMouseWheel(int flags, int delta, int x, int y);

protected:
  CQlmInteractorStyle2D() = default;

  // Called on left and right presses with the display point before it is stored.
  virtual void SelectCellUnderPointer(int /*x*/, int /*y*/) {}
  // Whether a right release in state 20 reaches the core.
  virtual bool CoreGetsRightRelease() const { return true; }

private:
  void ActOnLeftClick(int x, int y, bool doubleClick);
  void ActOnLeftDrag(int x, int y);
  void ActOnLeftRelease(int x, int y);
  void ActOnRightPress(int x, int y);
  void CallCore();
  void SelectThenCallCore(int x, int y);
  void PickAsSelection(int x, int y);
  void RenderView();

  CQlmCore* Core = nullptr;
};

extern template class CQlmInteractorStyle2D<CQlm2DInteractor>;
extern template class CQlmInteractorStyle2D<CQlm2DInteractor9>;
