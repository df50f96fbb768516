#include "views/CDialogImplantAdv.h"

#include "platform/CQlmPrompter.h"
#include "platform/gui/CDataExchange.h"

namespace {

constexpr UINT ImplantSwatch = 1010;
constexpr UINT ConnectorSwatch = 1011;

const QlmDialogTemplate& ImplantTemplate() {
  using Item = QlmDialogItem;
  const DWORD swatch = SS_SUNKEN | SS_NOTIFY;
  static const QlmDialogTemplate dialog{172,
                                        "Propriedades avançadas do Implante",
                                        191,
                                        164,
                                        {Item::GroupBox("Inserção de Cor", {7, 7, 83, 47}),
                                         Item::Static(ConnectorSwatch, {13, 18, 18, 14}, swatch),
                                         Item::Label("Cor do Conector", {35, 21, 52, 8}),
                                         Item::Static(ImplantSwatch, {13, 35, 18, 14}, swatch),
                                         Item::Label("Cor do Implante", {35, 38, 52, 8}),
                                         Item::GroupBox("Preenchimento", {100, 7, 85, 47}),
                                         Item::RadioButton(1051, "Contorno", {108, 19, 60, 10}, WS_GROUP),
                                         Item::RadioButton(1052, "Preencher", {108, 31, 60, 10}),
                                         Item::GroupBox("Descrição", {7, 58, 83, 44}),
                                         Item::RadioButton(1055, "Índice", {15, 70, 60, 10}, WS_GROUP),
                                         Item::RadioButton(1056, "Tamanho", {15, 82, 60, 10}),
                                         Item::CheckBox(1140, "Exibir Descrição", {101, 63, 67, 10}),
                                         Item::CheckBox(1141, "Exibir Eixo", {101, 75, 48, 10}),
                                         Item::GroupBox("Tamanho Fonte", {6, 108, 84, 54}),
                                         Item::RadioButton(1018, "Pequeno", {18, 120, 60, 10}, WS_GROUP),
                                         Item::RadioButton(1019, "Médio", {18, 132, 60, 10}),
                                         Item::RadioButton(1020, "Grande", {18, 144, 60, 10}),
                                         Item::DefaultButton(IDOK, "OK", {132, 132, 50, 14}),
                                         Item::Button(IDCANCEL, "Cancelar", {132, 148, 50, 14})}};
  return dialog;
}

void Paint(CStaticColor& swatch, const float (&color)[3]) {
  swatch.SetColor(color[0] * 255, color[1] * 255, color[2] * 255);
}

}  // namespace

CDialogImplantAdv::CDialogImplantAdv(CWnd* parent) : CDialog(ImplantTemplate(), parent) {
  this->MapCommand(ImplantSwatch, [this] { this->ChooseColor(this->ImplantColor, this->SwatchImplant); });
  this->MapCommand(ConnectorSwatch, [this] { this->ChooseColor(this->ConnectorColor, this->SwatchConnector); });
}

void CDialogImplantAdv::DoDataExchange(CDataExchange* exchange) {
  DDX_Control(exchange, ConnectorSwatch, this->SwatchConnector);
  DDX_Control(exchange, ImplantSwatch, this->SwatchImplant);
  DDX_Radio(exchange, 1051, this->Fill);
  DDX_Radio(exchange, 1055, this->Description);
  DDX_Check(exchange, 1141, this->ShowAxis);
  DDX_Check(exchange, 1140, this->ShowDescription);
  DDX_Radio(exchange, 1018, this->FontSize);
}

BOOL CDialogImplantAdv::OnInitDialog() {
  CDialog::OnInitDialog();
  Paint(this->SwatchImplant, this->ImplantColor);
  Paint(this->SwatchConnector, this->ConnectorColor);
  return TRUE;
}

// The colour dialog works on 0 to 255, the field on 0 to 1.
void CDialogImplantAdv::ChooseColor(float (&color)[3], CStaticColor& swatch) {
  const QlmRgb initial = {static_cast<int>(color[0] * 255), static_cast<int>(color[1] * 255),
                          static_cast<int>(color[2] * 255)};
  const std::optional<QlmRgb> chosen = CQlmPrompter::Current().ChooseColor(initial);
  if (!chosen) return;
  for (int i = 0; i < 3; ++i) color[i] = static_cast<float>((*chosen)[i]) / 255;
  Paint(swatch, color);
}
