#pragma once
// The nerve tool: traces the current nerve's course with control points.
//
// Attached to the axial and panoramic styles while the nerve window is open,
// it edits the current nerve's axial line in the axial view and its
// panoramic line in the nerve window with the arch tool's point-editing
// steps. An edit finished in the axial view sets the nerve window's width to
// half the axial line's length. It never acts in the cross-section window or
// the 3D view. Which nerve is edited is the nerve manager's current one at
// the time of the event.
//
// Mode (CQlmCore::Mode): 0 off, 1 move points or the whole line, 2 add points.
#include "tools/CQlmCore.h"

class CQlmInteractorStyle2;
class CQlmPolyLineNerve;

class CQlmCoreNerve : public CQlmCore {
public:
  static constexpr int MovePoints = 1;
  static constexpr int AddPoints = 2;

  // The core in mode 0; Owner is set by the controller.
  static CQlmCoreNerve* New() { return new CQlmCoreNerve; }

  // Attaching sets mode 1, detaching mode 0.
  void ActivateMain(CQlm3DWindow* window) override;
  void DeactivateMain(CQlm3DWindow* window) override;
  void OnMainViewEvent() override;

  // Both lines of the current nerve back to their default curves, the nerve
  // window's width half the panoramic line's length and fitted, the axial
  // view centred on the nerve; the four views render. Nothing without a nerve.
  void ResetCurrentNerve();
  // The axial camera centred on the axial line's bounds, its parallel scale
  // half of the line's extent in y plus 40 mm. Renders nothing; nothing
  // without a nerve.
  void CenterAxialViewOnNerve();

  // The zoom tools of the nerve tool bar: the axial, panoramic and 3D
  // interactors and the cross-section style go to 90, 91, 67 (the
  // cross-section window to 0) or 92.
  void SetZoomInState();
  void SetZoomOutState();
  void SetAreaZoomState();
  void SetResetZoomState();

protected:
  CQlmCoreNerve() = default;

private:
  void OnAddPointsEvent(CQlmPolyLineNerve& line, CQlmInteractorStyle2& style, int event, bool axial);
  void OnMovePointsEvent(CQlmPolyLineNerve& line, CQlmInteractorStyle2& style, int event, bool axial);
  // After a release: the nerve window follows an axial edit; every view renders.
  void FinishEdit(bool axial);
  // The nerve window's width: half of `length` (mm).
  void SetNerveWindowWidth(float length);
  void SetViewStates(int mainState, int crossState);
};
