#include "platform/gui/CCmdTarget.h"

#include "platform/gui/CCmdUI.h"

bool CCmdTarget::OnCmdMsg(UINT id, QlmCmdCode code, CCmdUI* ui) {
  if (code == QlmCmdCode::Update) {
    const UpdateEntry* entry = this->FindUpdate(id);
    if (!entry || !ui) return false;
    entry->Handler(ui);
    return true;
  }
  const CommandEntry* entry = this->FindCommand(id);
  if (!entry) return false;
  if (code == QlmCmdCode::Command) entry->Handler(id);
  return true;
}

void CCmdTarget::MapCommand(UINT id, std::function<void()> handler) {
  this->Commands.push_back({id, id, [handler = std::move(handler)](UINT) { handler(); }});
}

void CCmdTarget::MapCommandRange(UINT first, UINT last, std::function<void(UINT)> handler) {
  this->Commands.push_back({first, last, std::move(handler)});
}

void CCmdTarget::MapUpdateCommandUI(UINT id, std::function<void(CCmdUI*)> handler) {
  this->Updates.push_back({id, id, std::move(handler)});
}

void CCmdTarget::MapUpdateCommandUIRange(UINT first, UINT last, std::function<void(CCmdUI*)> handler) {
  this->Updates.push_back({first, last, std::move(handler)});
}

const CCmdTarget::CommandEntry* CCmdTarget::FindCommand(UINT id) const {
  for (auto entry = this->Commands.rbegin(); entry != this->Commands.rend(); ++entry) {
    if (id >= entry->First && id <= entry->Last) return &*entry;
  }
  return nullptr;
}

const CCmdTarget::UpdateEntry* CCmdTarget::FindUpdate(UINT id) const {
  for (auto entry = this->Updates.rbegin(); entry != this->Updates.rend(); ++entry) {
    if (id >= entry->First && id <= entry->Last) return &*entry;
  }
  return nullptr;
}
