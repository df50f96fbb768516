#pragma once
// The distance ruler tool. In every view a press on a ruler selects it; a
// press on a free spot (in the 3D view: on a surface) starts a new selected
// ruler that follows the pointer until the left button is released. A ruler
// shorter than MinimumLength, or a 3D ruler released off every surface, is
// removed again. Detaching the tool finishes a ruler being drawn as a
// release would and unselects every ruler.
#include "tools/CQlmCore.h"

class CQlmRullerBase;

class CQlmCoreRuller : public CQlmCore {
public:
  enum Modes { Off = 0, Active = 1 };
  enum Steps { Idle = 0, Waiting = 3, Drawing = 4 };
  // Shorter rulers (mm) are clicks, not rulers.
  static constexpr float MinimumLength = 0.005f;

  // The core in mode 0, step 0; Owner is set by the controller.
  static CQlmCoreRuller* New() { return new CQlmCoreRuller; }

  // Mode 1, step 3: the 2D views find the point on their plane and pick in
  // layer 1 (the cells' layer 1 in the cross-section window); the 3D view
  // finds the point on a picked surface of layer 3.
  void ActivateCross(CQlm3DWindow9* window) override;
  void ActivateMain(CQlm3DWindow* window) override;
  // Step 0, every ruler unselected, each view where one was rendered; the
  // views pick in layer 3 again.
  void DeactivateCross(CQlm3DWindow9* window) override;
  void DeactivateMain(CQlm3DWindow* window) override;
  void OnMainViewEvent() override;
  void OnCrossViewEvent() override;

  int GetStep() const { return this->Step; }

protected:
  CQlmCoreRuller() = default;

private:
  void StartRulerCross();
  void DragRulerCross();
  void StartRulerMain(int view);
  void DragRulerMain(int view);
  // A press on ruler `picked` of `view`: the others' and the view's rulers
  // unselected, the picked one selected, the view rendered.
  void SelectPicked(int view, int picked, bool unselect3D);
  // A release (or a detach) ends the drawing in `view`; `onSurface`: a 3D
  // ruler's end lies on a surface.
  void EndDrawing(int view, bool onSurface);
  void Deactivate();
  // Unselects the ruler of `view`, rendering the view when there was one.
  void UnselectIn(int view);
  // The selected ruler of `view`; null when none is.
  CQlmRullerBase* Selected(int view) const;
  void RemoveSelected(int view);
  void Render(int view) const;
  // The axial and panoramic views pick in layer 1 (on) or 3; the 3D view in layer 3.
  void PickOnRulers(bool on);

  int Step = Idle;
  // The view of the ruler being drawn (QlmView).
  int DrawingView = 0;
};
