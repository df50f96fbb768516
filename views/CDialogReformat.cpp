#include "views/CDialogReformat.h"

#include <algorithm>
#include <cmath>

#include "platform/gui/CDataExchange.h"

namespace {

const QlmDialogTemplate& ReformatTemplate() {
  using Item = QlmDialogItem;
  static const QlmDialogTemplate dialog{155,
                                        "Opções de Reformatação",
                                        177,
                                        224,
                                        {Item::Label("Número de Curvas Parnorâmicas:", {7, 18, 115, 8}),
                                         Item::Edit(1004, {133, 12, 22, 14}, ES_NUMBER),
                                         Item::Label("Espaço entre Curvas Panorâmicas:", {7, 34, 112, 8}),
                                         Item::Edit(1006, {133, 28, 22, 14}),
                                         Item::Label("mm", {158, 31, 14, 8}),
                                         Item::GroupBox("Espessura da Imagem Panorâmica", {7, 50, 148, 81}),
                                         Item::CheckBox(1203, "Liga/Desl", {18, 66, 47, 10}),
                                         Item::Edit(1205, {96, 60, 22, 14}),
                                         Item::Label("mm", {121, 63, 14, 8}),
                                         Item::Label("Algorítimo de Reconstrução", {18, 78, 89, 8}),
                                         Item::RadioButton(1206, "Média", {24, 90, 35, 10}, WS_GROUP),
                                         Item::RadioButton(1052, "MIP", {24, 102, 29, 10}),
                                         Item::RadioButton(1204, "Média + MIP", {24, 114, 56, 10}),
                                         Item::Label("Largura das Seções Transversais:", {7, 145, 108, 8}),
                                         Item::Edit(1013, {133, 139, 22, 14}),
                                         Item::Label("mm", {158, 142, 14, 8}),
                                         Item::Label("Espaço entre as Seções Transversais:", {7, 161, 122, 8}),
                                         Item::Edit(1014, {133, 155, 22, 14}),
                                         Item::Label("mm", {158, 158, 14, 8}),
                                         Item::DefaultButton(IDOK, "OK", {114, 186, 50, 14}),
                                         Item::Button(IDCANCEL, "Cancelar", {114, 204, 50, 14})}};
  return dialog;
}

float ClampField(float value, float lowest, float highest) {
  return std::isfinite(value) ? std::clamp(value, lowest, highest) : lowest;
}

}  // namespace

CDialogReformat::CDialogReformat(CWnd* parent) : CDialog(ReformatTemplate(), parent) {}

void CDialogReformat::ClampToRanges() {
  this->Curves = std::clamp(this->Curves, 3, 50);
  this->CurveSpacing = ClampField(this->CurveSpacing, 0.1f, 10.0f);
  this->SectionWidth = ClampField(this->SectionWidth, 1.0f, 100.0f);
  this->SectionSpacing = ClampField(this->SectionSpacing, 0.1f, 5.0f);
  this->Thickness = ClampField(this->Thickness, 1.0f, 50.0f);
}

void CDialogReformat::DoDataExchange(CDataExchange* exchange) {
  DDX_Text(exchange, 1004, this->Curves);
  DDX_Text(exchange, 1006, this->CurveSpacing);
  DDX_Text(exchange, 1013, this->SectionWidth);
  DDX_Text(exchange, 1014, this->SectionSpacing);
  DDX_Check(exchange, 1203, this->ThickImage);
  DDX_Text(exchange, 1205, this->Thickness);
  DDX_Radio(exchange, 1206, this->Reconstruction);
}
