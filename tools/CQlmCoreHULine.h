#pragma once
// The Hounsfield line tool of the axial view, the panoramic view and the
// cross-section cells. A press starts the view's dashed line (in the
// cross-section window: shown in the pressed cell only), a drag stretches
// it, and the release opens the profile dialog on the CT image that view
// shows; after the dialog the line is hidden. A line shorter than
// MinimumLength is a click: hidden, no dialog. The 3D view has no line.
#include "tools/CQlmCore.h"

class CDialogHULine;

class CQlmCoreHULine : public CQlmCore {
public:
  enum Modes { Off = 0, Active = 1 };
  enum Steps { Idle = 0, Waiting = 3, Drawing = 4 };
  // Shorter lines (mm) are clicks, not lines.
  static constexpr float MinimumLength = 0.005f;

  // The core in mode 0, step 0; Owner is set by the controller.
  static CQlmCoreHULine* New() { return new CQlmCoreHULine; }

  // Mode 1, step 3.
  void ActivateCross(CQlm3DWindow9* window) override;
  void ActivateMain(CQlm3DWindow* window) override;
  // Step 0; leaving the cross-section window also hides every HU line.
  void DeactivateCross(CQlm3DWindow9* window) override;
  void DeactivateMain(CQlm3DWindow* window) override;
  void OnMainViewEvent() override;
  void OnCrossViewEvent() override;

  int GetStep() const { return this->Step; }

protected:
  CQlmCoreHULine() = default;

private:
  void StartLineCross();
  void DragLineCross();
  void StartLineMain(int view);
  void DragLineMain(int view);
  // The modal profile dialog on what `setUp` gives its profile source.
  template <typename SetUp>
  void ShowProfile(SetUp setUp);

  int Step = Idle;
  // The cell the cross-section line is shown in.
  int LineCell = 4;
};
