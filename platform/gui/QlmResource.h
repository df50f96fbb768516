#pragma once
// The program's resources (menus, accelerators, tool-bar layouts, strings,
// cursors, icons) registered by identifier once at start-up and looked up by
// the GUI classes, as a resource script would provide them.
#include <vector>

#include "platform/CString.h"
#include "platform/gui/QlmGuiConstants.h"

class QCursor;
class QIcon;
class QPixmap;

namespace QlmResource {

// A menu entry: a command (ID), a pop-up (Items) or, with neither, a separator.
struct MenuItem {
  CString Text;
  UINT ID = 0;
  std::vector<MenuItem> Items;
};

// A key sequence in Qt's portable text form ("Ctrl+Z", "Shift+Del", "F6").
struct Accelerator {
  CString Keys;
  UINT ID = 0;
};

// Buttons from left to right, ID_SEPARATOR for a separator; the image of
// button `id` is the file "<id>.png" in the folder Images (a button without
// one shows no image).
struct ToolBar {
  std::vector<UINT> Buttons;
  CString Images;
};

// The pop-ups of a menu bar or of a pop-up menu resource.
void RegisterMenu(UINT id, std::vector<MenuItem> popups);
const std::vector<MenuItem>* FindMenu(UINT id);

void RegisterAccelerators(UINT id, std::vector<Accelerator> accelerators);
const std::vector<Accelerator>* FindAccelerators(UINT id);

void RegisterToolBar(UINT id, ToolBar layout);
const ToolBar* FindToolBar(UINT id);

// Command prompts are "status text\ntooltip".
void RegisterString(UINT id, const CString& text);
// Empty when none is registered.
CString LoadString(UINT id);

// `path` names an image file or a Qt resource (":/...").
void RegisterCursor(UINT id, const CString& path, int hotX, int hotY);
// The arrow cursor when none is registered or the image cannot be read.
QCursor LoadCursor(UINT id);

void RegisterIcon(UINT id, const CString& path);
// A null icon when none is registered.
QIcon LoadIcon(UINT id);

// Drops every registration (tests).
void Clear();

}  // namespace QlmResource
