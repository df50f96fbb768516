#pragma once
// A menu built from a menu resource: the pop-ups of a menu bar, or one
// pop-up. Entries carry their command identifier in the action's data.
#include <functional>
#include <memory>
#include <vector>

#include "platform/CString.h"
#include "platform/gui/QlmGuiConstants.h"
#include "platform/gui/QlmResource.h"

class CWnd;
class QAction;
class QMenu;

class CMenu {
public:
  // Stands in for the user of a tracked pop-up: sees the menu and returns the
  // chosen command (0 for none).
  using PopupHook = std::function<UINT(const CMenu&)>;

  CMenu();
  ~CMenu();
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  // FALSE when the resource is not registered or a menu is loaded already.
  BOOL LoadMenu(UINT resourceId);
  BOOL DestroyMenu();

  int GetMenuItemCount() const;
  // The pop-up at `position`, or null when that entry is no pop-up.
  CMenu* GetSubMenu(int position) const;
  // The command at `position`: 0 for a separator, (UINT)-1 for a pop-up.
  UINT GetMenuItemID(int position) const;
  CString GetMenuString(UINT id) const;
  // MF_CHECKED / MF_UNCHECKED and MF_ENABLED / MF_GRAYED; return the previous
  // state, or (UINT)-1 when no entry has that identifier.
  UINT CheckMenuItem(UINT id, UINT check);
  UINT EnableMenuItem(UINT id, UINT enable);

  // Shows the pop-up with its top-right (TPM_RIGHTALIGN) or top-left corner
  // at the screen point. With TPM_RETURNCMD returns the chosen command (0 for
  // none); otherwise the owner's OnCmdMsg runs it.
  UINT TrackPopupMenu(UINT flags, int x, int y, CWnd* owner);
  // Installs the hook that replaces every pop-up's tracking (null restores
  // the real menu); returns the previous one.
  static PopupHook SetPopupHook(PopupHook hook);

  // An empty pop-up, owned by this object until it is inserted into a menu.
  BOOL CreatePopupMenu();
  // MF_STRING (command `id`, `text`) or MF_SEPARATOR at the end.
  BOOL AppendMenu(UINT flags, UINT id = 0, const CString& text = CString());
  // MF_BYPOSITION with MF_STRING or MF_SEPARATOR: before the entry at
  // `position`, at the end when there is none.
  BOOL InsertMenu(UINT position, UINT flags, UINT id = 0, const CString& text = CString());
  // MF_BYPOSITION | MF_POPUP: `popup` titled `text` before the entry at
  // `position`. This menu takes the pop-up over; `popup` is left empty.
  BOOL InsertMenu(UINT position, UINT flags, CMenu* popup, const CString& text);
  // MF_BYPOSITION: removes the entry at `position` at once and destroys it,
  // a pop-up with it, when control returns to the event loop.
  BOOL DeleteMenu(UINT position, UINT flags);
  // MF_BYPOSITION: the text of the entry at `position`, pop-ups included.
  CString GetMenuString(UINT position, UINT flags) const;
  // MF_BYPOSITION: MF_SEPARATOR, MF_POPUP, MF_CHECKED and MF_GRAYED of the
  // entry at `position`; (UINT)-1 past the end.
  UINT GetMenuState(UINT position, UINT flags) const;

  QMenu* GetQMenu() const { return this->Menu; }
  // The entry of `id` anywhere below this menu, or null.
  QAction* FindAction(UINT id) const;
  // Every pop-up below this menu, this one included.
  std::vector<QMenu*> AllMenus() const;

private:
  void Fill(QMenu* menu, const std::vector<QlmResource::MenuItem>& items);
  void Wrap(QMenu* menu);
  // The entry at `position`, or null past the end.
  QAction* ActionAt(UINT position) const;

  QMenu* Menu = nullptr;
  bool Owned = false;
  std::vector<std::unique_ptr<CMenu>> SubMenus;
};
