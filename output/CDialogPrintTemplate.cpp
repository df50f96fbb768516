#include "output/CDialogPrintTemplate.h"

#include "output/CDialogPrintPreview.h"
#include "output/CQlmPrintPreview.h"
#include "platform/CQlmPrompter.h"
#include "platform/gui/CDataExchange.h"

namespace {

const QlmDialogTemplate& LayoutTemplate() {
  static const QlmDialogTemplate dialog{
      261, "Templates", 186, 110,
      {QlmDialogItem::ListBox(CDialogPrintTemplate::ListID, {7, 7, 118, 96}),
       QlmDialogItem::DefaultButton(CDialogPrintTemplate::OkID, "OK", {131, 7, 50, 14}),
       QlmDialogItem::Button(IDCANCEL, "Cancelar", {131, 24, 50, 14})}};
  return dialog;
}

}  // namespace

CDialogPrintTemplate::CDialogPrintTemplate(CWnd* parent) : CDialog(LayoutTemplate(), parent) {
  this->MapCommand(OkID, [this] { this->OnOK(); });
}

void CDialogPrintTemplate::DoDataExchange(CDataExchange* exchange) { DDX_Control(exchange, ListID, this->List); }

BOOL CDialogPrintTemplate::OnInitDialog() {
  CDialog::OnInitDialog();
  for (int number = 1; number <= this->count; ++number) {
    this->List.AddString(CString::Formatted("Template %dx1", number));
  }
  if (this->layout > 0) this->List.SetCurSel(this->layout - 1);
  return TRUE;
}

void CDialogPrintTemplate::OnOK() {
  if (QlmMessageBox("Os dados do seu Template atual serão perdidos, Deseja continuar ?", "Atenção",
                    QlmButtons::YesNo, QlmIcon::Warning) != QlmAnswer::Yes) {
    this->EndDialog(IDCANCEL);
    return;
  }
  const int chosen = this->List.GetCurSel();
  if (this->owner && chosen >= 0) {
    this->owner->ShowLayout(chosen + 1);
    this->owner->printer->LayoutCurrent();
  }
  this->EndDialog(IDOK);
}
