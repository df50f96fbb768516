#include "views/CDialogWndAdv.h"

#include <algorithm>

#include "platform/CQlmPrompter.h"
#include "platform/gui/CDataExchange.h"

namespace {

constexpr UINT AxialSwatch = 1121;
constexpr UINT CrossSwatch = 1122;
constexpr UINT PanoramicSwatch = 1123;
constexpr UINT Swatch3DId = 1124;
constexpr UINT Defaults = 1128;
constexpr float DefaultGrey = 84.15f;

// The five overlay checks of a 2D view's group, from its top-left check.
void OverlayChecks(std::vector<QlmDialogItem>& items, const UINT (&ids)[5], int x, const int (&ys)[5]) {
  const char* const texts[] = {"Título", "Orientação", "Coordenadas", "Réguas", "Bordas"};
  for (int i = 0; i < 5; ++i) items.push_back(QlmDialogItem::CheckBox(ids[i], texts[i], {x, ys[i], 60, 10}));
}

QlmDialogTemplate MakeTemplate() {
  const DWORD swatch = SS_SUNKEN | SS_NOTIFY;
  std::vector<QlmDialogItem> items = {
      QlmDialogItem::GroupBox("Ativar", {10, 10, 75, 65}),
      QlmDialogItem::CheckBox(1103, "Axial", {20, 20, 31, 10}),
      QlmDialogItem::CheckBox(1107, "Transversal", {20, 30, 53, 10}),
      QlmDialogItem::CheckBox(1108, "Panorâmica", {20, 40, 53, 10}),
      QlmDialogItem::CheckBox(1109, "Tridimensional", {20, 50, 61, 10}),
      QlmDialogItem::GroupBox("Cor de Fundo", {90, 10, 135, 65}),
      QlmDialogItem::Label("Axial", {92, 28, 39, 8}, WS_DISABLED),
      QlmDialogItem::Static(AxialSwatch, {132, 27, 15, 11}, swatch | WS_DISABLED),
      QlmDialogItem::Label("Transversal", {92, 51, 39, 8}, WS_DISABLED),
      QlmDialogItem::Static(CrossSwatch, {132, 50, 15, 11}, swatch | WS_DISABLED),
      QlmDialogItem::Label("Panorâmica", {155, 28, 48, 8}, WS_DISABLED),
      QlmDialogItem::Static(PanoramicSwatch, {205, 27, 15, 11}, swatch | WS_DISABLED),
      QlmDialogItem::Label("Tridimensional", {155, 51, 48, 8}),
      QlmDialogItem::Static(Swatch3DId, {205, 50, 15, 11}, swatch),
      QlmDialogItem::GroupBox("Axial", {10, 80, 75, 65}),
      QlmDialogItem::GroupBox("Transversal", {90, 80, 75, 65}),
      QlmDialogItem::GroupBox("Panorâmica", {10, 150, 75, 65}),
      QlmDialogItem::GroupBox("Tridimensional", {90, 150, 75, 65})};
  OverlayChecks(items, {1111, 1112, 1104, 1113, 1114}, 20, {90, 100, 110, 120, 130});
  OverlayChecks(items, {1092, 1118, 1105, 1119, 1120}, 100, {90, 100, 110, 120, 130});
  OverlayChecks(items, {1115, 1116, 1106, 1117, 1101}, 20, {161, 170, 180, 190, 201});
  items.push_back(QlmDialogItem::CheckBox(1102, "Título", {100, 161, 60, 10}));
  items.push_back(QlmDialogItem::CheckBox(1110, "Bordas", {100, 170, 60, 10}));
  items.push_back(QlmDialogItem::Button(Defaults, "Padrão", {180, 160, 50, 14}));
  items.push_back(QlmDialogItem::DefaultButton(IDOK, "OK", {180, 185, 50, 14}));
  items.push_back(QlmDialogItem::Button(IDCANCEL, "Cancelar", {180, 202, 50, 14}));
  return {183, "Janela de Propriedades Avançadas", 237, 226, std::move(items)};
}

const QlmDialogTemplate& WindowsTemplate() {
  static const QlmDialogTemplate dialog = MakeTemplate();
  return dialog;
}

void Paint(CStaticColor& swatch, const float (&color)[3]) { swatch.SetColor(color[0], color[1], color[2]); }

}  // namespace

CDialogWndAdv::CDialogWndAdv(CWnd* parent) : CDialog(WindowsTemplate(), parent) {
  this->MapCommand(Swatch3DId, [this] { this->Choose3DColor(); });
  this->MapCommand(Defaults, [this] { this->RestoreDefaults(); });
}

void CDialogWndAdv::SetDefaults() {
  for (int* check : {&this->Borders3D, &this->Title3D, &this->Active3D, &this->ActiveAxial, &this->ActiveCross,
                     &this->ActivePanoramic, &this->AxialBorders, &this->AxialCoordinates, &this->AxialOrientation,
                     &this->AxialRulers, &this->CrossBorders, &this->CrossCoordinates, &this->CrossOrientation,
                     &this->CrossRulers, &this->CrossTitle, &this->AxialTitle, &this->PanoramicBorders,
                     &this->PanoramicCoordinates, &this->PanoramicOrientation, &this->PanoramicRulers,
                     &this->PanoramicTitle}) {
    *check = 1;
  }
  std::fill(std::begin(this->Color3D), std::end(this->Color3D), DefaultGrey);
}

void CDialogWndAdv::DoDataExchange(CDataExchange* exchange) {
  DDX_Control(exchange, PanoramicSwatch, this->SwatchPanoramic);
  DDX_Control(exchange, CrossSwatch, this->SwatchCross);
  DDX_Control(exchange, AxialSwatch, this->SwatchAxial);
  DDX_Control(exchange, Swatch3DId, this->Swatch3D);
  DDX_Check(exchange, 1110, this->Borders3D);
  DDX_Check(exchange, 1102, this->Title3D);
  DDX_Check(exchange, 1109, this->Active3D);
  DDX_Check(exchange, 1103, this->ActiveAxial);
  DDX_Check(exchange, 1107, this->ActiveCross);
  DDX_Check(exchange, 1108, this->ActivePanoramic);
  DDX_Check(exchange, 1114, this->AxialBorders);
  DDX_Check(exchange, 1104, this->AxialCoordinates);
  DDX_Check(exchange, 1112, this->AxialOrientation);
  DDX_Check(exchange, 1113, this->AxialRulers);
  DDX_Check(exchange, 1120, this->CrossBorders);
  DDX_Check(exchange, 1105, this->CrossCoordinates);
  DDX_Check(exchange, 1118, this->CrossOrientation);
  DDX_Check(exchange, 1119, this->CrossRulers);
  DDX_Check(exchange, 1092, this->CrossTitle);
  DDX_Check(exchange, 1111, this->AxialTitle);
  DDX_Check(exchange, 1101, this->PanoramicBorders);
  DDX_Check(exchange, 1106, this->PanoramicCoordinates);
  DDX_Check(exchange, 1116, this->PanoramicOrientation);
  DDX_Check(exchange, 1117, this->PanoramicRulers);
  DDX_Check(exchange, 1115, this->PanoramicTitle);
}

BOOL CDialogWndAdv::OnInitDialog() {
  CDialog::OnInitDialog();
  Paint(this->SwatchPanoramic, this->PanoramicColor);
  Paint(this->SwatchCross, this->CrossColor);
  Paint(this->SwatchAxial, this->AxialColor);
  Paint(this->Swatch3D, this->Color3D);
  return TRUE;
}

void CDialogWndAdv::Choose3DColor() {
  const QlmRgb initial = {static_cast<int>(this->Color3D[0]), static_cast<int>(this->Color3D[1]),
                          static_cast<int>(this->Color3D[2])};
  const std::optional<QlmRgb> chosen = CQlmPrompter::Current().ChooseColor(initial);
  if (!chosen) return;
  for (int i = 0; i < 3; ++i) this->Color3D[i] = static_cast<float>((*chosen)[i]);
  Paint(this->Swatch3D, this->Color3D);
}

void CDialogWndAdv::RestoreDefaults() {
  this->SetDefaults();
  this->UpdateData(FALSE);
}
