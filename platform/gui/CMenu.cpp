#include "platform/gui/CMenu.h"

#include <QMenu>
#include <utility>

#include "platform/gui/CWnd.h"

namespace {

UINT CommandOf(const QAction* action) { return action->data().toUInt(); }

CMenu::PopupHook& TheHook() {
  static CMenu::PopupHook hook;
  return hook;
}

}  // namespace

CMenu::CMenu() = default;

CMenu::~CMenu() { this->DestroyMenu(); }

BOOL CMenu::LoadMenu(UINT resourceId) {
  const auto* popups = QlmResource::FindMenu(resourceId);
  if (!popups || this->Menu) return FALSE;
  this->Menu = new QMenu;
  this->Owned = true;
  this->Fill(this->Menu, *popups);
  return TRUE;
}

BOOL CMenu::DestroyMenu() {
  if (!this->Menu) return FALSE;
  this->SubMenus.clear();
  if (this->Owned) delete this->Menu;
  this->Menu = nullptr;
  this->Owned = false;
  return TRUE;
}

void CMenu::Fill(QMenu* menu, const std::vector<QlmResource::MenuItem>& items) {
  for (const auto& item : items) {
    if (!item.Items.empty()) {
      QMenu* popup = menu->addMenu(QString::fromStdString(item.Text.Str()));
      this->Fill(popup, item.Items);
    } else if (item.ID == 0) {
      menu->addSeparator();
    } else {
      QAction* action = menu->addAction(QString::fromStdString(item.Text.Str()));
      action->setData(item.ID);
    }
  }
  if (menu == this->Menu) this->Wrap(menu);
}

// Sub-menu objects mirror the pop-ups so that GetSubMenu hands out stable pointers.
void CMenu::Wrap(QMenu* menu) {
  this->SubMenus.clear();
  for (QAction* action : menu->actions()) {
    if (!action->menu()) continue;
    auto sub = std::make_unique<CMenu>();
    sub->Menu = action->menu();
    sub->Wrap(sub->Menu);
    this->SubMenus.push_back(std::move(sub));
  }
}

int CMenu::GetMenuItemCount() const { return this->Menu ? static_cast<int>(this->Menu->actions().size()) : -1; }

CMenu* CMenu::GetSubMenu(int position) const {
  if (!this->Menu || position < 0 || position >= this->GetMenuItemCount()) return nullptr;
  QMenu* popup = this->Menu->actions().at(position)->menu();
  for (const auto& sub : this->SubMenus) {
    if (sub->Menu == popup) return sub.get();
  }
  return nullptr;
}

UINT CMenu::GetMenuItemID(int position) const {
  if (!this->Menu || position < 0 || position >= this->GetMenuItemCount()) return 0;
  QAction* action = this->Menu->actions().at(position);
  if (action->menu()) return static_cast<UINT>(-1);
  return action->isSeparator() ? 0 : CommandOf(action);
}

CString CMenu::GetMenuString(UINT id) const {
  QAction* action = this->FindAction(id);
  return action ? CString(action->text().toStdString()) : CString();
}

UINT CMenu::CheckMenuItem(UINT id, UINT check) {
  QAction* action = this->FindAction(id);
  if (!action) return static_cast<UINT>(-1);
  UINT previous = action->isChecked() ? MF_CHECKED : MF_UNCHECKED;
  action->setCheckable(true);
  action->setChecked((check & MF_CHECKED) != 0);
  return previous;
}

UINT CMenu::EnableMenuItem(UINT id, UINT enable) {
  QAction* action = this->FindAction(id);
  if (!action) return static_cast<UINT>(-1);
  UINT previous = action->isEnabled() ? MF_ENABLED : MF_GRAYED;
  action->setEnabled((enable & MF_GRAYED) == 0);
  return previous;
}

UINT CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner) {
  if (!this->Menu) return 0;
  QPoint at(x, y);
  if (flags & TPM_RIGHTALIGN) at.rx() -= this->Menu->sizeHint().width();
  UINT id = 0;
  if (TheHook()) {
    id = TheHook()(*this);
  } else {
    QAction* chosen = this->Menu->exec(at);
    id = chosen && !chosen->menu() ? CommandOf(chosen) : 0;
  }
  if (flags & TPM_RETURNCMD) return id;
  if (id && owner) owner->OnCmdMsg(id, QlmCmdCode::Command, nullptr);
  return id != 0;
}

CMenu::PopupHook CMenu::SetPopupHook(PopupHook hook) { return std::exchange(TheHook(), std::move(hook)); }

BOOL CMenu::CreatePopupMenu() {
  if (this->Menu) return FALSE;
  this->Menu = new QMenu;
  this->Owned = true;
  return TRUE;
}

BOOL CMenu::AppendMenu(UINT flags, UINT id, const CString& text) {
  return this->InsertMenu(static_cast<UINT>(this->GetMenuItemCount()), flags | MF_BYPOSITION, id, text);
}

BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT id, const CString& text) {
  if (!this->Menu || !(flags & MF_BYPOSITION) || (flags & MF_POPUP)) return FALSE;
  QAction* before = this->ActionAt(position);
  if (flags & MF_SEPARATOR) {
    this->Menu->insertSeparator(before);
    return TRUE;
  }
  auto* action = new QAction(QString::fromStdString(text.Str()), this->Menu);
  action->setData(id);
  this->Menu->insertAction(before, action);
  return TRUE;
}

BOOL CMenu::InsertMenu(UINT position, UINT flags, CMenu* popup, const CString& text) {
  if (!this->Menu || !(flags & MF_BYPOSITION) || !(flags & MF_POPUP) || !popup || !popup->Menu) return FALSE;
  QMenu* inserted = popup->Menu;
  inserted->setTitle(QString::fromStdString(text.Str()));
  inserted->setParent(this->Menu, inserted->windowFlags());
  this->Menu->insertMenu(this->ActionAt(position), inserted);
  auto sub = std::make_unique<CMenu>();
  sub->Menu = inserted;
  sub->SubMenus = std::move(popup->SubMenus);
  this->SubMenus.push_back(std::move(sub));
  popup->Menu = nullptr;
  popup->Owned = false;
  return TRUE;
}

BOOL CMenu::DeleteMenu(UINT position, UINT flags) {
  QAction* action = (flags & MF_BYPOSITION) ? this->ActionAt(position) : nullptr;
  if (!action) return FALSE;
  this->Menu->removeAction(action);
  QMenu* popup = action->menu();
  std::erase_if(this->SubMenus, [popup](const std::unique_ptr<CMenu>& sub) { return popup && sub->Menu == popup; });
  // Deleted later: the entry may be the one whose command runs now.
  if (popup) {
    popup->deleteLater();
  } else {
    action->deleteLater();
  }
  return TRUE;
}

CString CMenu::GetMenuString(UINT position, UINT flags) const {
  QAction* action = (flags & MF_BYPOSITION) ? this->ActionAt(position) : nullptr;
  return action ? CString(action->text().toStdString()) : CString();
}

UINT CMenu::GetMenuState(UINT position, UINT flags) const {
  QAction* action = (flags & MF_BYPOSITION) ? this->ActionAt(position) : nullptr;
  if (!action) return static_cast<UINT>(-1);
  UINT state = 0;
  if (action->isSeparator()) state |= MF_SEPARATOR;
  if (action->menu()) state |= MF_POPUP;
  if (action->isChecked()) state |= MF_CHECKED;
  if (!action->isEnabled()) state |= MF_GRAYED;
  return state;
}

QAction* CMenu::ActionAt(UINT position) const {
  if (!this->Menu || position >= static_cast<UINT>(this->Menu->actions().size())) return nullptr;
  return this->Menu->actions().at(static_cast<qsizetype>(position));
}

QAction* CMenu::FindAction(UINT id) const {
  for (QMenu* menu : this->AllMenus()) {
    for (QAction* action : menu->actions()) {
      if (!action->menu() && !action->isSeparator() && CommandOf(action) == id) return action;
    }
  }
  return nullptr;
}

std::vector<QMenu*> CMenu::AllMenus() const {
  std::vector<QMenu*> menus;
  if (!this->Menu) return menus;
  menus.push_back(this->Menu);
  for (const auto& sub : this->SubMenus) {
    auto below = sub->AllMenus();
    menus.insert(menus.end(), below.begin(), below.end());
  }
  return menus;
}
