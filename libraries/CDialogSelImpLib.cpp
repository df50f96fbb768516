#include "libraries/CDialogSelImpLib.h"

#include "platform/gui/CDataExchange.h"

namespace {
const QlmDialogTemplate& ChooserTemplate() {
  static const QlmDialogTemplate dialog{
      CDialogSelImpLib::TemplateID, "Biblioteca de Implantes", 186, 154,
      {QlmDialogItem::ListBox(CDialogSelImpLib::ListID, {7, 7, 118, 140},
                              WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_SORT | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT),
       QlmDialogItem::DefaultButton(IDOK, "OK", {131, 7, 50, 14}),
       QlmDialogItem::Button(IDCANCEL, "Cancel", {131, 24, 50, 14})}};
  return dialog;
}
}  // namespace

CDialogSelImpLib::CDialogSelImpLib(CWnd* parent) : CDialog(ChooserTemplate(), parent) {}

void CDialogSelImpLib::DoDataExchange(CDataExchange* exchange) { DDX_Control(exchange, ListID, this->List); }

BOOL CDialogSelImpLib::OnInitDialog() {
  CDialog::OnInitDialog();
  if (this->Names) {
    for (int i = 0; i < this->Names->GetSize(); ++i) this->List.AddString(this->Names->GetAt(i));
  }
  return TRUE;
}

void CDialogSelImpLib::OnOK() {
  this->List.GetText(this->List.GetCurSel(), this->ChosenName);
  this->EndDialog(IDOK);
}
