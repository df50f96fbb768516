#pragma once
// Stands in for the user of the pop-up menus that CMenu::TrackPopupMenu
// shows: while alive, every tracked menu is recorded (one line per entry,
// sub-menus indented) and answered with the command of the entry whose text
// is `choose` (0 when none has it, or when `choose` is empty).
#include <string>
#include <vector>

#include "platform/gui/CMenu.h"

class QlmPopupMenuScript {
public:
  explicit QlmPopupMenuScript(std::string choose = {});
  ~QlmPopupMenuScript();
  QlmPopupMenuScript(const QlmPopupMenuScript&) = delete;
  QlmPopupMenuScript& operator=(const QlmPopupMenuScript&) = delete;

  // What to choose in the menus that follow.
  void Choose(std::string text) { this->Text = std::move(text); }

  // Per tracked menu, its lines: "Cor = 2", "---", "> Sub" with its entries
  // indented by two spaces; " [x]" marks a checked entry, " (grayed)" a disabled one.
  std::vector<std::vector<std::string>> Menus;

private:
  UINT Answer(const CMenu& menu);
  UINT Record(const CMenu& menu, const std::string& indent, std::vector<std::string>& lines) const;

  std::string Text;
  CMenu::PopupHook Previous;
};
