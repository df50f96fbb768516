#include "libraries/CDialogImpLibPassword.h"

#include <QLineEdit>

#include "platform/gui/CDataExchange.h"
#include "platform/gui/QlmControlStyles.h"

namespace {

const QlmDialogTemplate& PasswordTemplate() {
  static const QlmDialogTemplate dialog{CDialogImpLibPassword::TemplateID,
                                        "Senha Requerida",
                                        150,
                                        28,
                                        {QlmDialogItem::Edit(CDialogImpLibPassword::EditID, {7, 7, 136, 14},
                                                             ES_PASSWORD | ES_AUTOHSCROLL | WS_BORDER)}};
  return dialog;
}

// Overwrites the characters before letting the text go.
void Wipe(CString& text) {
  for (int i = 0; i < text.GetLength(); ++i) text.SetAt(i, '\0');
  text.Empty();
}

}  // namespace

CDialogImpLibPassword::CDialogImpLibPassword(CWnd* parent) : CDialog(PasswordTemplate(), parent) {}

CDialogImpLibPassword::~CDialogImpLibPassword() { Wipe(this->Password); }

void CDialogImpLibPassword::DoDataExchange(CDataExchange* exchange) {
  // Only read: the field starts empty.
  if (exchange->SaveAndValidate) DDX_Text(exchange, EditID, this->Password);
}

void CDialogImpLibPassword::OnOK() {
  CDialog::OnOK();
  this->WipeField();
}

void CDialogImpLibPassword::OnCancel() {
  Wipe(this->Password);
  this->WipeField();
  CDialog::OnCancel();
}

CString CDialogImpLibPassword::TakePassword() {
  CString password = this->Password;
  Wipe(this->Password);
  return password;
}

void CDialogImpLibPassword::WipeField() {
  if (auto* field = qobject_cast<QLineEdit*>(this->FindControl(EditID))) field->clear();
}
