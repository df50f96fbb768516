#pragma once
// One row of the frames' command table: a command identifier (menu entry,
// tool-bar button or accelerator), what it runs, when it is enabled and when
// it carries a check mark. The rows live in CMainFrameCommands, one file per
// concern; CMainFrameCommands::Install maps them into a frame's command map.
//
// A row whose operation is not built yet waits: its action is Waiting, the
// name of the operation stands in the comment at the end of the row, and
// the entry stays disabled (its check mark still follows its rule). Making
// it ready is replacing Waiting by the operation, e.g.
// QlmCommandRow::Call<&CQlmQuorvantile::ToggleAxialView>.
#include "platform/gui/QlmGuiConstants.h"

class CMainFrame;
class CQlmQuorvantile;

// What a row works on: the main frame (null in the 3D frame) and its current controller.
struct QlmCommandContext {
  CMainFrame* Frame;
  CQlmQuorvantile& Quorvantile;
};

struct QlmCommandRow {
  using Action = void (*)(QlmCommandContext&);
  using Rule = bool (*)(const QlmCommandContext&);

  // The frames a row is mapped into.
  enum Frames : unsigned { MainFrame = 1, Frame3D = 2, BothFrames = 3 };

  UINT ID;
  Action Run;
  Rule Enabled;
  // Null: the entry carries no check mark.
  Rule Checked = nullptr;
  Frames Where = MainFrame;

  bool IsReady() const { return this->Run != nullptr; }

  // Runs the controller's operation.
  template <void (CQlmQuorvantile::*Operation)()>
  static void Call(QlmCommandContext& context) {
    (context.Quorvantile.*Operation)();
  }
  // Runs a command of the main frame itself (rows of the main frame only).
  template <void (CMainFrame::*Handler)()>
  static void CallFrame(QlmCommandContext& context) {
    (context.Frame->*Handler)();
  }
  // An entry the program keeps enabled without giving it anything to do.
  static void Nothing(QlmCommandContext&) {}
};

// The action of a row whose operation is not built yet.
constexpr QlmCommandRow::Action Waiting = nullptr;
