#pragma once
// Receiver of command identifiers: a command map of handlers and update
// handlers in place of message maps. Frames route what they do not handle
// onwards (see CFrameWnd::OnCmdMsg).
#include <functional>
#include <vector>

#include "platform/gui/QlmGuiConstants.h"

class CCmdUI;

enum class QlmCmdCode {
  Command,  // run the command handler
  Update,   // run the update handler with the given CCmdUI
  Query     // only tell whether a command handler exists
};

class CCmdTarget {
public:
  CCmdTarget() = default;
  virtual ~CCmdTarget() = default;
  CCmdTarget(const CCmdTarget&) = delete;
  CCmdTarget& operator=(const CCmdTarget&) = delete;

  // True when this target (or whom it routes to) has a handler for `id` of the
  // given kind; Command and Update run it.
  virtual bool OnCmdMsg(UINT id, QlmCmdCode code, CCmdUI* ui);

  // The command map. A later entry for the same identifier wins.
  void MapCommand(UINT id, std::function<void()> handler);
  void MapCommandRange(UINT first, UINT last, std::function<void(UINT)> handler);
  void MapUpdateCommandUI(UINT id, std::function<void(CCmdUI*)> handler);
  void MapUpdateCommandUIRange(UINT first, UINT last, std::function<void(CCmdUI*)> handler);

private:
  struct CommandEntry {
    UINT First;
    UINT Last;
    std::function<void(UINT)> Handler;
  };
  struct UpdateEntry {
    UINT First;
    UINT Last;
    std::function<void(CCmdUI*)> Handler;
  };
  const CommandEntry* FindCommand(UINT id) const;
  const UpdateEntry* FindUpdate(UINT id) const;

  std::vector<CommandEntry> Commands;
  std::vector<UpdateEntry> Updates;
};
