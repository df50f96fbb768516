#include "platform/gui/CDialog.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>

#include "platform/gui/CDataExchange.h"
#include "platform/gui/QlmDialogBuilder.h"

namespace {
CDialog::ModalHook& InstalledHook() {
  static CDialog::ModalHook hook;
  return hook;
}
}  // namespace

// Sends Enter to the default button and Escape to OnCancel, as dialog boxes do.
class QlmDialogWidget : public QDialog {
public:
  QlmDialogWidget(CDialog& owner, QWidget* parent) : QDialog(parent), Owner(owner) {}

  void accept() override { this->Owner.OnOK(); }
  void reject() override { this->Owner.OnCancel(); }

protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      this->Owner.SendCommand(this->Owner.GetDefID());
      return;
    }
    QDialog::keyPressEvent(event);
  }

private:
  CDialog& Owner;
};

// Tells the dialog when the focus leaves one of its template's edits.
class QlmEditFocusWatch : public QObject {
public:
  QlmEditFocusWatch(CDialog& owner, QLineEdit* edit) : QObject(edit), Owner(owner) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusOut && !this->Owner.Ended) {
      this->Owner.OnEditKillFocus(QlmDialogBuilder::ControlId(static_cast<QWidget*>(watched)));
    }
    return false;
  }

private:
  CDialog& Owner;
};

CDialog::CDialog(UINT templateId, CWnd* parent) : TemplateID(templateId), ParentWindow(parent) {}

CDialog::CDialog(const QlmDialogTemplate& dialogTemplate, CWnd* parent)
    : TemplateID(dialogTemplate.ID), Template(&dialogTemplate), ParentWindow(parent) {}

CDialog::~CDialog() = default;

CDialog::ModalHook CDialog::SetModalHook(ModalHook hook) {
  ModalHook previous = std::move(InstalledHook());
  InstalledHook() = std::move(hook);
  return previous;
}

QWidget* CDialog::CreateWidget(QWidget* parent) {
  auto* dialog = new QlmDialogWidget(*this, parent);
  if (!this->Template) return dialog;
  QlmDialogBuilder::Build(*this->Template, dialog, [this](UINT id) { this->SendCommand(id); });
  for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) edit->installEventFilter(new QlmEditFocusWatch(*this, edit));
  return dialog;
}

INT_PTR CDialog::DoModal() {
  this->Ended = false;
  this->Result = IDCANCEL;
  if (!this->Create(0, CRect(), this->ParentWindow, this->TemplateID)) return -1;
  auto* dialog = static_cast<QDialog*>(this->GetSafeHwnd());
  dialog->setModal(true);
  this->OnInitDialog();
  if (!this->Ended) {
    if (InstalledHook()) {
      INT_PTR result = InstalledHook()(*this);
      this->EndDialog(static_cast<int>(result));
    } else {
      dialog->exec();
    }
  }
  this->DestroyWindow();
  this->ItemWindows.clear();
  return this->Result;
}

BOOL CDialog::Create(CWnd* parent) {
  this->Ended = false;
  this->Result = IDCANCEL;
  if (!this->Create(0, CRect(), parent, this->TemplateID)) return FALSE;
  this->OnInitDialog();
  if (!this->Ended) return TRUE;
  this->DestroyWindow();
  this->ItemWindows.clear();
  return FALSE;
}

void CDialog::EndDialog(int result) {
  if (this->Ended) return;
  this->Ended = true;
  this->Result = result;
  if (auto* dialog = static_cast<QDialog*>(this->GetSafeHwnd())) dialog->done(result);
}

BOOL CDialog::OnInitDialog() {
  this->UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (this->UpdateData(TRUE)) this->EndDialog(IDOK);
}

void CDialog::SendCommand(UINT id) {
  if (this->OnCmdMsg(id, QlmCmdCode::Command, nullptr)) return;
  if (id == IDOK) this->OnOK();
  if (id == IDCANCEL) this->OnCancel();
}

CWnd* CDialog::GetDlgItem(UINT id) {
  if (CWnd* subclassed = this->FindSubclassed(id)) return subclassed;
  QWidget* control = this->FindControl(id);
  if (!control) return nullptr;
  auto window = std::make_unique<CWnd>();
  window->SubclassWindow(control, this, id);
  return (this->ItemWindows[id] = std::move(window)).get();
}

void CDialog::SetDlgItemText(UINT id, const CString& text) {
  if (QWidget* control = this->FindControl(id)) QlmDialogBuilder::SetText(control, text);
}

CString CDialog::GetDlgItemText(UINT id) const {
  QWidget* control = this->FindControl(id);
  return control ? QlmDialogBuilder::Text(control) : CString();
}

void CDialog::CheckDlgButton(UINT id, UINT check) {
  if (QWidget* control = this->FindControl(id)) QlmDialogBuilder::SetCheck(control, check);
}

UINT CDialog::IsDlgButtonChecked(UINT id) const {
  QWidget* control = this->FindControl(id);
  return control ? QlmDialogBuilder::GetCheck(control) : BST_UNCHECKED;
}

UINT CDialog::GetDefID() const {
  if (this->Template) {
    for (const QlmDialogItem& item : this->Template->Items) {
      if (item.Kind == QlmControlKind::PushButton && (item.Style & BS_DEFPUSHBUTTON)) return item.ID;
    }
  }
  return IDOK;
}

void CDialog::MapDialogRect(CRect* rect) const {
  const QWidget* dialog = this->GetSafeHwnd();
  const CSize units = QlmDialogBuilder::BaseUnits(dialog ? dialog->font() : QFont());
  const CRect left = QlmDialogBuilder::ToPixels({rect->left, rect->top, 0, 0}, units);
  const CRect right = QlmDialogBuilder::ToPixels({rect->right, rect->bottom, 0, 0}, units);
  *rect = CRect(left.left, left.top, right.left, right.top);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange exchange(this, saveAndValidate);
  this->DoDataExchange(&exchange);
  return exchange.HasFailed() ? FALSE : TRUE;
}
