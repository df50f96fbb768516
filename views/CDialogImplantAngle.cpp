#include "views/CDialogImplantAngle.h"

#include "platform/gui/CDataExchange.h"

namespace {

constexpr UINT ConectorTable = 1190;
constexpr UINT ImplantTable = 1191;
constexpr UINT ImplantSummary = 1194;
constexpr UINT ConectorSummary = 1195;

const QlmDialogTemplate& AngleTemplate() {
  using Item = QlmDialogItem;
  const DWORD summary = ES_READONLY | ES_NUMBER;
  static const QlmDialogTemplate dialog{
      264,
      "Angulação",
      146,
      318,
      {Item::Static(1192, {8, 5, 132, 10}, SS_CENTER, "Ângulo entre Implantes"),
       Item::ListView(ImplantTable, {7, 15, 133, 116}), Item::Label("Maior ângulo :", {7, 137, 46, 8}),
       Item::Edit(ImplantSummary, {55, 135, 77, 12}, summary).Without(WS_BORDER),
       Item::Static(1193, {7, 154, 133, 10}, SS_CENTER, "Ângulo entre Conectores"),
       Item::ListView(ConectorTable, {7, 165, 133, 117}), Item::Label("Maior ângulo :", {7, 286, 46, 8}),
       Item::Edit(ConectorSummary, {55, 284, 78, 12}, summary).Without(WS_BORDER),
       Item::DefaultButton(IDOK, "Fechar", {90, 297, 50, 14})}};
  return dialog;
}

}  // namespace

CDialogImplantAngle::CDialogImplantAngle(CWnd* parent) : CDialog(AngleTemplate(), parent) {}

void CDialogImplantAngle::DoDataExchange(CDataExchange* exchange) {
  DDX_Control(exchange, ImplantTable, this->ListImplants);
  DDX_Control(exchange, ImplantSummary, this->ListImplants.Summary);
  DDX_Control(exchange, ConectorTable, this->ListConectors);
  DDX_Control(exchange, ConectorSummary, this->ListConectors.Summary);
}

BOOL CDialogImplantAngle::OnInitDialog() {
  CDialog::OnInitDialog();
  this->SummaryFont.CreatePointFontIndirect(LOGFONT{90, 700, 0, "Arial Bold"});
  this->ListImplants.Summary.SetFont(&this->SummaryFont);
  this->ListConectors.Summary.SetFont(&this->SummaryFont);
  this->ListImplants.Conector = 0;
  this->ListConectors.Conector = 1;
  return TRUE;
}
