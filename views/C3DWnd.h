#pragma once
// The 3D view window, embedded in the 3D frame; its render-window wrapper
// paints it. Mouse events go to the 3D mouse style with the flag word and the
// client point unchanged, after the cursor has been chosen from the
// controller's tool (Qt keeps the mouse with the window from a press to its
// release). While the view does not render (no project, or the view switched
// off) the handlers only set the default cursor.
#include "platform/gui/CWnd.h"

class CQlmInteractorStyle3;
class CQlmQuorvantile;

class C3DWnd : public CWnd {
public:
  // The current controller; not owned. The main frame sets it whenever it makes one.
  CQlmQuorvantile* Quorvantile = nullptr;

protected:
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
  // To the controller's 3D key operation while the view renders.
  void OnKeyDown(UINT key, UINT repeat, UINT flags) override;

private:
  // A controller, its 3D style and the view rendering.
  bool IsLive() const;
  CQlmInteractorStyle3* GetStyle() const;
  // The default cursor while the view does not render, the pan cursor while
  // the middle button is held, else the tool's cursor.
  void UpdateCursor();
  // With the rotate tool (3): the rotation cursor for the pointer at `point`,
  // inside or outside the circle in which the style rotates rather than rolls.
  void ChooseRotationCursor(CPoint point);

  // The cursor-table entry shown for the rotate tool.
  int RotationCursor = 0;
  int MiddleHeld = 0;
};
