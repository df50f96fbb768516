#pragma once
// One menu entry or tool-bar button while its update handler runs: the
// handler enables, checks or renames it. Without an entry (Action null) the
// object only records the state, which is how a command is checked for being
// enabled before it runs.
#include "platform/CString.h"
#include "platform/gui/QlmGuiConstants.h"

class CCmdTarget;
class QAction;

class CCmdUI {
public:
  CCmdUI(UINT id, QAction* action) : ID(id), Action(action) {}

  void Enable(BOOL on = TRUE);
  // 0 clear, 1 checked (2, indeterminate, shows as checked).
  void SetCheck(int check = 1);
  void SetText(const CString& text);

  // Runs the target's update handler. Without one, and when asked to, the
  // entry is enabled exactly when the target has a command handler for it.
  void DoUpdate(CCmdTarget* target, bool disableIfNoHandler);

  UINT ID;
  bool Enabled = true;
  bool EnableChanged = false;
  QAction* Action;
};
