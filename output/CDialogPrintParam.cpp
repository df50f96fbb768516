#include "output/CDialogPrintParam.h"

#include "platform/CQlmPrompter.h"
#include "platform/gui/CDataExchange.h"

namespace {

constexpr UINT AxialCheck = 1067;
constexpr UINT CrossCheck = 1068;
constexpr UINT PanoramicCheck = 1069;
constexpr UINT View3DCheck = 1070;
constexpr UINT ResolutionEdit = 1071;
constexpr UINT TrueScaleCheck = 1072;
constexpr UINT MultiplierEdit = 1073;
constexpr UINT FixedSizeCheck = 1074;
constexpr UINT WidthEdit = 1075;
constexpr UINT HeightEdit = 1076;
constexpr UINT ScaleTextLinesCheck = 1131;

const QlmDialogTemplate& PrintParamTemplate() {
  static const QlmDialogTemplate dialog{
      181,
      "Parâmetros de Captura de Tela",
      236,
      176,
      {QlmDialogItem::GroupBox("Janelas", {7, 4, 222, 38}),
       QlmDialogItem::CheckBox(AxialCheck, "Janela Axial", {14, 15, 90, 10}),
       QlmDialogItem::CheckBox(View3DCheck, "Janela 3D", {120, 15, 90, 10}),
       QlmDialogItem::CheckBox(CrossCheck, "Janela Transversal", {14, 28, 90, 10}),
       QlmDialogItem::CheckBox(PanoramicCheck, "Janela Panorâmica", {120, 28, 90, 10}),
       QlmDialogItem::GroupBox("Calcular 1:1 Escala", {7, 46, 222, 62}),
       QlmDialogItem::CheckBox(TrueScaleCheck, "Ligar", {14, 57, 50, 10}),
       QlmDialogItem::Label("Imagens 2D", {14, 73, 50, 8}),
       QlmDialogItem::Edit(ResolutionEdit, {66, 71, 40, 13}),
       QlmDialogItem::Label("dpi", {110, 73, 20, 8}),
       QlmDialogItem::CheckBox(ScaleTextLinesCheck, "Escala, Texto e Linhas", {134, 72, 92, 10}),
       QlmDialogItem::Label("Imagens 3D", {14, 91, 50, 8}),
       QlmDialogItem::Edit(MultiplierEdit, {66, 89, 40, 13}),
       QlmDialogItem::Label("multiplicar", {110, 91, 50, 8}),
       QlmDialogItem::GroupBox("Força Retângulo", {7, 112, 222, 38}),
       QlmDialogItem::CheckBox(FixedSizeCheck, "Ligar", {14, 123, 50, 10}),
       QlmDialogItem::Label("X:", {14, 136, 10, 8}),
       QlmDialogItem::Edit(WidthEdit, {26, 134, 40, 13}),
       QlmDialogItem::Label("mm", {70, 136, 16, 8}),
       QlmDialogItem::Label("Y:", {100, 136, 10, 8}),
       QlmDialogItem::Edit(HeightEdit, {112, 134, 40, 13}),
       QlmDialogItem::Label("mm", {156, 136, 16, 8}),
       QlmDialogItem::DefaultButton(IDOK, "OK", {118, 156, 50, 14}),
       QlmDialogItem::Button(IDCANCEL, "Cancelar", {179, 156, 50, 14})}};
  return dialog;
}

// An unsigned field through a signed edit: a negative number reads as a size out of range.
void ExchangeSize(CDataExchange* exchange, UINT id, unsigned int& value) {
  int typed = static_cast<int>(value);
  DDX_Text(exchange, id, typed);
  if (exchange->SaveAndValidate && !exchange->HasFailed()) value = static_cast<unsigned int>(typed);
}

bool Refuse(const char* text, const char* caption, QlmIcon icon) {
  QlmMessageBox(text, caption, QlmButtons::Ok, icon);
  return false;
}

}  // namespace

CDialogPrintParam::CDialogPrintParam(CWnd* parent) : CDialog(PrintParamTemplate(), parent) {
  this->MapCommand(TrueScaleCheck, [this] { this->OnSwitchClicked(); });
  this->MapCommand(FixedSizeCheck, [this] { this->OnSwitchClicked(); });
}

BOOL CDialogPrintParam::OnInitDialog() {
  CDialog::OnInitDialog();
  this->EnableControls();
  return TRUE;
}

void CDialogPrintParam::DoDataExchange(CDataExchange* exchange) {
  DDX_Check(exchange, AxialCheck, this->Axial);
  DDX_Check(exchange, View3DCheck, this->View3D);
  DDX_Check(exchange, CrossCheck, this->CrossSection);
  DDX_Check(exchange, PanoramicCheck, this->Panoramic);
  DDX_Check(exchange, TrueScaleCheck, this->TrueScale);
  DDX_Text(exchange, MultiplierEdit, this->Multiplier3D);
  DDX_Check(exchange, FixedSizeCheck, this->FixedSize);
  ExchangeSize(exchange, WidthEdit, this->Width);
  ExchangeSize(exchange, HeightEdit, this->Height);
  DDX_Check(exchange, ScaleTextLinesCheck, this->ScaleTextLines);
  DDX_Text(exchange, ResolutionEdit, this->Resolution);
}

void CDialogPrintParam::OnSwitchClicked() {
  this->UpdateData(TRUE);
  this->EnableControls();
}

void CDialogPrintParam::EnableControls() {
  const bool trueScale = this->IsDlgButtonChecked(TrueScaleCheck) == BST_CHECKED;
  const bool fixedSize = this->IsDlgButtonChecked(FixedSizeCheck) == BST_CHECKED;
  for (UINT id : {ResolutionEdit, MultiplierEdit, ScaleTextLinesCheck}) this->GetDlgItem(id)->EnableWindow(trueScale);
  for (UINT id : {WidthEdit, HeightEdit}) this->GetDlgItem(id)->EnableWindow(fixedSize);
}

bool CDialogPrintParam::CheckValues() const {
  if (this->ScaleTextLines && (this->Resolution < 100 || this->Resolution > 1500)) {
    return Refuse("DPI Intervalo: 100 - 1500 \nPara utilizar uma menor desmarque o DPI: Linhas escalar Texto", "Erro",
                  QlmIcon::Warning);
  }
  if (this->Width < 5 || this->Width > 1000) return Refuse("Tamanho X Intervalo: 5 - 1000", "Erro", QlmIcon::None);
  if (this->Height < 5 || this->Height > 1000) return Refuse("Tamanho Y Intervalo: 5 - 1000", "Erro", QlmIcon::None);
  if (static_cast<double>(this->Multiplier3D) < 0.1 || this->Multiplier3D > 30) {
    return Refuse("Múltiplos 3D Intervalo: 0.1 - 30", "Erro", QlmIcon::None);
  }
  if (!this->Axial && !this->View3D && !this->CrossSection && !this->Panoramic) {
    return Refuse("Escolha a Janela", "Atenção", QlmIcon::Warning);
  }
  return true;
}

void CDialogPrintParam::OnOK() {
  if (!this->UpdateData(TRUE) || !this->CheckValues()) return;
  this->EndDialog(IDOK);
}
