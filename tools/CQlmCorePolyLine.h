#pragma once
// The arch-curve tool: draws and edits the arch polyline on the axial view.
//
// Attached to the axial style only, it puts the program into arch-curve
// editing (ActivateMain): the cross-section window greys out, the panoramic
// view shows the arch itself and the polyline shows. Each finished edit (a
// button release) recomputes the arch geometry, the panoramic and
// cross-section images and the indicators; during a drag only the axial view
// renders. Detaching it (DeactivateMain) restores the views and asks the
// object containers to re-cut along the new arch.
//
// Mode (CQlmCore::Mode): 0 off, 1 move points or the whole line, 2 add points.
#include "tools/CQlmCore.h"

class CQlmInteractorStyle2;

class CQlmCorePolyLine : public CQlmCore {
public:
  // The core in mode 0; Owner is set by the controller.
  static CQlmCorePolyLine* New() { return new CQlmCorePolyLine; }

  void ActivateMain(CQlm3DWindow* window) override;
  void DeactivateMain(CQlm3DWindow* window) override;
  void OnMainViewEvent() override;

  // The zoom tools of the reformat tool bar: the axial, panoramic and 3D
  // interactors go to state 90, 91, 67 or 92 (the cross-section window is
  // disabled while the curve is edited).
  void SetZoomInState();
  void SetZoomOutState();
  void SetAreaZoomState();
  void SetResetZoomState();

  // The scroll range of the cross-section view after an arch change:
  // 0 .. max(0, maxIndex), the position maxIndex - firstIndex kept inside it.
  static int ScrollMaximum(int maxIndex);
  static int ScrollPosition(int maxIndex, int firstIndex);

protected:
  CQlmCorePolyLine() = default;

private:
  void OnAddPointsEvent(CQlmInteractorStyle2& style, int event);
  void OnMovePointsEvent(CQlmInteractorStyle2& style, int event);
  void Recompute();
  void SetMainViewStates(int state);
  // The 3D view renders when it shows the axial quad, the section planes or the panoramic band.
  void Render3DIfIndicated();
};
