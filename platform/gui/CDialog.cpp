#include "platform/gui/CDialog.h"

#include <QDialog>
#include <QKeyEvent>

namespace {
CDialog::ModalHook& InstalledHook() {
  static CDialog::ModalHook hook;
  return hook;
}
}  // namespace

// Sends Enter and Escape to OnOK and OnCancel, as dialog boxes do.
class QlmDialogWidget : public QDialog {
public:
  QlmDialogWidget(CDialog& owner, QWidget* parent) : QDialog(parent), Owner(owner) {}

  void accept() override { this->Owner.OnOK(); }
  void reject() override { this->Owner.OnCancel(); }

protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      this->Owner.OnOK();
      return;
    }
    QDialog::keyPressEvent(event);
  }

private:
  CDialog& Owner;
};

CDialog::CDialog(UINT templateId, CWnd* parent) : TemplateID(templateId), ParentWindow(parent) {}

CDialog::~CDialog() = default;

CDialog::ModalHook CDialog::SetModalHook(ModalHook hook) {
  ModalHook previous = std::move(InstalledHook());
  InstalledHook() = std::move(hook);
  return previous;
}

QWidget* CDialog::CreateWidget(QWidget* parent) { return new QlmDialogWidget(*this, parent); }

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
  return this->Result;
}

void CDialog::EndDialog(int result) {
  if (this->Ended) return;
  this->Ended = true;
  this->Result = result;
  if (auto* dialog = static_cast<QDialog*>(this->GetSafeHwnd())) dialog->done(result);
}
