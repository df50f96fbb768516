#include "output/CDialogProjInfo.h"

#include "platform/gui/CDataExchange.h"

namespace {

constexpr UINT ClinicEdit = 1005;
constexpr UINT PatientEdit = 1019;
constexpr UINT SliceCountEdit = 1020;

const QlmDialogTemplate& ProjInfoTemplate() {
  static const QlmDialogTemplate dialog{159,
                                        "Informações do Exame",
                                        250,
                                        84,
                                        {QlmDialogItem::Label("Clínica Radiológica:", {7, 9, 76, 8}),
                                         QlmDialogItem::Edit(ClinicEdit, {86, 7, 157, 13}, ES_READONLY),
                                         QlmDialogItem::Label("Nome do Paciente:", {7, 27, 76, 8}),
                                         QlmDialogItem::Edit(PatientEdit, {86, 25, 157, 13}, ES_READONLY),
                                         QlmDialogItem::Label("Número de Cortes", {7, 45, 76, 8}),
                                         QlmDialogItem::Edit(SliceCountEdit, {86, 43, 50, 13}, ES_READONLY),
                                         QlmDialogItem::DefaultButton(IDOK, "OK", {193, 63, 50, 14})}};
  return dialog;
}

}  // namespace

CDialogProjInfo::CDialogProjInfo(CWnd* parent) : CDialog(ProjInfoTemplate(), parent) {}

void CDialogProjInfo::DoDataExchange(CDataExchange* exchange) {
  DDX_Text(exchange, ClinicEdit, this->Clinic);
  DDX_Text(exchange, PatientEdit, this->PatientName);
  DDX_Text(exchange, SliceCountEdit, this->SliceCount);
}
