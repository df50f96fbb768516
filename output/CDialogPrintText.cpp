#include "output/CDialogPrintText.h"

#include "output/CQlmPrintPreview.h"
#include "platform/gui/CDataExchange.h"

namespace {

const QlmDialogTemplate& TextTemplate() {
  static const QlmDialogTemplate dialog{
      262, "Texto", 260, 140,
      {QlmDialogItem::Edit(CDialogPrintText::EditID, {7, 7, 246, 106}, ES_MULTILINE | WS_VSCROLL),
       QlmDialogItem::DefaultButton(CDialogPrintText::OkID, "OK", {142, 119, 50, 14}),
       QlmDialogItem::Button(IDCANCEL, "Cancelar", {203, 119, 50, 14})}};
  return dialog;
}

}  // namespace

CDialogPrintText::CDialogPrintText(CWnd* parent) : CDialog(TextTemplate(), parent) {
  this->MapCommand(OkID, [this] { this->OnOK(); });
}

void CDialogPrintText::DoDataExchange(CDataExchange* exchange) {
  DDX_Text(exchange, EditID, this->text);
  DDV_MaxChars(exchange, EditID, MaximumLength);
}

void CDialogPrintText::OnOK() {
  if (!this->UpdateData(TRUE)) return;
  if (this->printer) this->printer->textBuffer = this->text;
  this->EndDialog(IDOK);
}
