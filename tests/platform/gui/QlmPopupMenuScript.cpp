#include "QlmPopupMenuScript.h"

QlmPopupMenuScript::QlmPopupMenuScript(std::string choose) : Text(std::move(choose)) {
  this->Previous = CMenu::SetPopupHook([this](const CMenu& menu) { return this->Answer(menu); });
}

QlmPopupMenuScript::~QlmPopupMenuScript() { CMenu::SetPopupHook(std::move(this->Previous)); }

UINT QlmPopupMenuScript::Answer(const CMenu& menu) {
  std::vector<std::string> lines;
  const UINT chosen = this->Record(menu, "", lines);
  this->Menus.push_back(std::move(lines));
  return chosen;
}

UINT QlmPopupMenuScript::Record(const CMenu& menu, const std::string& indent, std::vector<std::string>& lines) const {
  UINT chosen = 0;
  for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
    const UINT position = static_cast<UINT>(i);
    const UINT state = menu.GetMenuState(position, MF_BYPOSITION);
    const std::string text = menu.GetMenuString(position, MF_BYPOSITION).Str();
    if (state & MF_SEPARATOR) {
      lines.push_back(indent + "---");
    } else if (state & MF_POPUP) {
      lines.push_back(indent + "> " + text);
      const UINT below = this->Record(*menu.GetSubMenu(i), indent + "  ", lines);
      if (!chosen) chosen = below;
    } else {
      const UINT id = menu.GetMenuItemID(i);
      lines.push_back(indent + text + " = " + std::to_string(id) + ((state & MF_CHECKED) ? " [x]" : "") +
                      ((state & MF_GRAYED) ? " (grayed)" : ""));
      if (!chosen && !this->Text.empty() && text == this->Text && !(state & MF_GRAYED)) chosen = id;
    }
  }
  return chosen;
}
