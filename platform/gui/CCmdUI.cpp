#include "platform/gui/CCmdUI.h"

#include <QAction>
#include <QString>

#include "platform/gui/CCmdTarget.h"

void CCmdUI::Enable(BOOL on) {
  this->Enabled = on != 0;
  this->EnableChanged = true;
  if (this->Action) this->Action->setEnabled(this->Enabled);
}

void CCmdUI::SetCheck(int check) {
  if (!this->Action) return;
  this->Action->setCheckable(true);
  this->Action->setChecked(check != 0);
}

void CCmdUI::SetText(const CString& text) {
  if (this->Action) this->Action->setText(QString::fromStdString(text.Str()));
}

void CCmdUI::DoUpdate(CCmdTarget* target, bool disableIfNoHandler) {
  this->EnableChanged = false;
  if (!target) return;
  if (target->OnCmdMsg(this->ID, QlmCmdCode::Update, this)) return;
  if (disableIfNoHandler && !this->EnableChanged) {
    this->Enable(target->OnCmdMsg(this->ID, QlmCmdCode::Query, nullptr));
  }
}
