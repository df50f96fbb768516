#include "output/CDialogPrintPaper.h"

#include "output/CQlmPrintTemplate.h"
#include "platform/gui/CDataExchange.h"

namespace {

// In list order; an unknown ratio selects the first entry.
constexpr float Ratios[] = {CQlmPrintTemplate::A3, CQlmPrintTemplate::A4, CQlmPrintTemplate::Letter,
                            CQlmPrintTemplate::Legal};
constexpr const char* Names[] = {" A3", " A4", " Letter", " Legal"};

const QlmDialogTemplate& PaperTemplate() {
  static const QlmDialogTemplate dialog{
      260, "Papel", 186, 70,
      {QlmDialogItem::ListBox(CDialogPrintPaper::ListID, {7, 7, 118, 56}),
       QlmDialogItem::DefaultButton(CDialogPrintPaper::OkID, "OK", {131, 7, 50, 14}),
       QlmDialogItem::Button(IDCANCEL, "Cancelar", {131, 24, 50, 14})}};
  return dialog;
}

}  // namespace

CDialogPrintPaper::CDialogPrintPaper(CWnd* parent) : CDialog(PaperTemplate(), parent) {
  this->MapCommand(OkID, [this] { this->OnOK(); });
}

float CDialogPrintPaper::RatioOf(int choice) { return choice >= 1 && choice <= 4 ? Ratios[choice - 1] : 0; }

void CDialogPrintPaper::DoDataExchange(CDataExchange* exchange) { DDX_Control(exchange, ListID, this->List); }

BOOL CDialogPrintPaper::OnInitDialog() {
  CDialog::OnInitDialog();
  int selected = 0;
  for (int index = 0; index < 4; ++index) {
    this->List.AddString(CString("Tamanho Papel") + Names[index]);
    if (this->ratio == Ratios[index]) selected = index;
  }
  this->List.SetCurSel(selected);
  return TRUE;
}

void CDialogPrintPaper::OnOK() {
  this->choice = this->List.GetCurSel() + 1;
  this->EndDialog(IDOK);
}
