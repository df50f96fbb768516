#include "views/CDialogIndicators.h"

#include "platform/gui/CDataExchange.h"

namespace {

constexpr UINT NumbersCheck = 1077;
constexpr UINT AllSectionsCheck = 1078;
constexpr UINT StepEdit = 1083;
constexpr UINT BackgroundsCheck = 1130;
constexpr UINT Defaults = 1128;
constexpr UINT BackgroundChecks[] = {1087, 1088, 1089, 1090, 1091, 1092, 1101};

const QlmDialogTemplate& IndicatorsTemplate() {
  using Item = QlmDialogItem;
  static const QlmDialogTemplate dialog{
      182,
      "Perfil e Indicadores Avançados de Propriedades",
      262,
      236,
      {Item::GroupBox("Números && Formato", {5, 10, 137, 60}),
       Item::CheckBox(NumbersCheck, "Exibe Indicadores e Números de Cortes", {7, 23, 133, 10}),
       Item::CheckBox(AllSectionsCheck, "Exibe Todos os Indicadores de Cortes", {7, 37, 133, 10}),
       Item::Label("Pular Números de Cortes", {17, 52, 80, 8}),
       Item::Edit(StepEdit, {100, 50, 25, 14}),
       Item::GroupBox("Perfil", {7, 74, 135, 120}),
       Item::RadioButton(1126, "Perfil Padrão", {20, 87, 56, 10}, WS_GROUP),
       Item::RadioButton(1125, "Perfil Cor Forte", {20, 97, 62, 10}),
       Item::CheckBox(BackgroundsCheck, "Fundo", {20, 112, 36, 10}),
       Item::CheckBox(1087, "Indicadores Números Cortes", {35, 121, 105, 10}),
       Item::CheckBox(1088, "Título da Janela", {35, 131, 67, 10}),
       Item::CheckBox(1089, "Orientação da Janela", {35, 141, 83, 10}),
       Item::CheckBox(1090, "Coordenadas da Janela", {35, 151, 91, 10}),
       Item::CheckBox(1091, "Janela Números de Réguas", {35, 161, 103, 10}),
       Item::CheckBox(1092, "Medidas da Régua", {35, 170, 76, 10}),
       Item::CheckBox(1101, "Rótulos dos Implantes", {35, 180, 85, 10}),
       Item::GroupBox("Janela de Indicadores Axial", {150, 10, 105, 35}),
       Item::CheckBox(1093, "Transversal", {164, 20, 80, 10}),
       Item::CheckBox(1094, "Panorâmica", {164, 30, 80, 10}),
       Item::GroupBox("Janela Indicadores Transversal", {150, 60, 105, 35}),
       Item::CheckBox(1095, "Axial", {164, 71, 80, 10}),
       Item::CheckBox(1096, "Panorâmica", {164, 81, 80, 10}),
       Item::GroupBox("Janela Indicadores Panorâmica", {150, 105, 105, 35}),
       Item::CheckBox(1097, "Axial", {164, 116, 80, 10}),
       Item::CheckBox(1098, "Transversal", {164, 126, 80, 10}),
       Item::GroupBox("Janela dos Indicadores 3D", {150, 150, 105, 45}),
       Item::CheckBox(1099, "Axial", {164, 161, 80, 10}),
       Item::CheckBox(1100, "Transversal", {164, 170, 80, 10}),
       Item::CheckBox(1103, "Panorâmica", {164, 180, 80, 10}),
       Item::Button(Defaults, "Padrão", {5, 205, 50, 14}),
       Item::DefaultButton(IDOK, "OK", {205, 205, 50, 14}),
       Item::Button(IDCANCEL, "Cancelar", {205, 221, 50, 14})}};
  return dialog;
}

}  // namespace

CDialogIndicators::CDialogIndicators(CWnd* parent) : CDialog(IndicatorsTemplate(), parent) {
  this->MapCommand(AllSectionsCheck, [this] { this->EnableStep(this->IsDlgButtonChecked(AllSectionsCheck)); });
  this->MapCommand(BackgroundsCheck,
                   [this] { this->EnableBackgrounds(this->IsDlgButtonChecked(BackgroundsCheck)); });
  this->MapCommand(Defaults, [this] { this->RestoreDefaults(); });
}

void CDialogIndicators::SetDefaults() {
  this->ShowNumbers = 0;
  this->AllSections = 0;
  this->Step = 5;
  this->Axial3D = this->Cross3D = this->Pan3D = 0;
  this->CrossAxial = this->PanAxial = this->AxialCross = this->PanCross = this->AxialPan = this->CrossPan = 1;
  this->CoordinatesBackground = 1;
  this->NumbersBackground = 1;
  this->OrientationBackground = 1;
  this->RulerNumbersBackground = 0;
  this->TitleBackground = 1;
  this->Profile = 0;
  this->Backgrounds = 0;
  this->RulerMeasuresBackground = 1;
  this->ImplantLabelsBackground = 1;
}

void CDialogIndicators::DoDataExchange(CDataExchange* exchange) {
  DDX_Check(exchange, NumbersCheck, this->ShowNumbers);
  DDX_Check(exchange, AllSectionsCheck, this->AllSections);
  DDX_Text(exchange, StepEdit, this->Step);
  DDV_MinMaxInt(exchange, StepEdit, this->Step, MinimumStep, MaximumStep);
  DDX_Check(exchange, 1099, this->Axial3D);
  DDX_Check(exchange, 1100, this->Cross3D);
  DDX_Check(exchange, 1103, this->Pan3D);
  DDX_Check(exchange, 1093, this->CrossAxial);
  DDX_Check(exchange, 1094, this->PanAxial);
  DDX_Check(exchange, 1095, this->AxialCross);
  DDX_Check(exchange, 1096, this->PanCross);
  DDX_Check(exchange, 1097, this->AxialPan);
  DDX_Check(exchange, 1098, this->CrossPan);
  DDX_Check(exchange, 1090, this->CoordinatesBackground);
  DDX_Check(exchange, 1087, this->NumbersBackground);
  DDX_Check(exchange, 1089, this->OrientationBackground);
  DDX_Check(exchange, 1091, this->RulerNumbersBackground);
  DDX_Check(exchange, 1088, this->TitleBackground);
  DDX_Radio(exchange, 1126, this->Profile);
  DDX_Check(exchange, BackgroundsCheck, this->Backgrounds);
  DDX_Check(exchange, 1092, this->RulerMeasuresBackground);
  DDX_Check(exchange, 1101, this->ImplantLabelsBackground);
}

BOOL CDialogIndicators::OnInitDialog() {
  CDialog::OnInitDialog();
  this->EnableStep(this->AllSections == 1);
  this->EnableBackgrounds(this->Backgrounds == 1);
  return TRUE;
}

void CDialogIndicators::EnableStep(bool enable) {
  if (CWnd* edit = this->GetDlgItem(StepEdit)) edit->EnableWindow(enable);
}

void CDialogIndicators::EnableBackgrounds(bool enable) {
  for (UINT id : BackgroundChecks) {
    if (CWnd* check = this->GetDlgItem(id)) check->EnableWindow(enable);
  }
}

// The step edit follows the all-sections check too, which the defaults clear.
void CDialogIndicators::RestoreDefaults() {
  this->SetDefaults();
  this->UpdateData(FALSE);
  this->EnableStep(this->AllSections == 1);
  this->EnableBackgrounds(this->Backgrounds == 1);
}
