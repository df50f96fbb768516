#include "output/CDialogPrototype.h"

#include <algorithm>

#include "app/QlmConfig.h"
#include "platform/CQlmPrompter.h"
#include "platform/gui/CDataExchange.h"

namespace {

// The form's edit of each request string, in index order.
constexpr UINT FieldEdits[CQlmRequestInfo::FormCount] = {1022, 1005, 1006, 1024, 1015, 1016, 1017, 1023, 1021, 1007};
// The requester's fields as the settings line holds them.
constexpr int FirstRequesterField = CQlmRequestInfo::Requester;
constexpr int RequesterFieldCount = 8;

const QlmDialogTemplate& PrototypeTemplate() {
  static const QlmDialogTemplate dialog{160,
                                        "Guias/Protótipos",
                                        280,
                                        252,
                                        {QlmDialogItem::Label("Nome do Paciente:*", {7, 9, 80, 8}),
                                         QlmDialogItem::Edit(1022, {92, 7, 181, 13}),
                                         QlmDialogItem::Label("Cirurgião/Instituição:*", {7, 25, 80, 8}),
                                         QlmDialogItem::Edit(1005, {92, 23, 181, 13}),
                                         QlmDialogItem::Label("Endereço:*", {7, 41, 80, 8}),
                                         QlmDialogItem::Edit(1006, {92, 39, 181, 30}, ES_MULTILINE | WS_VSCROLL),
                                         QlmDialogItem::Label("Cidade:*", {7, 76, 80, 8}),
                                         QlmDialogItem::Edit(1024, {92, 74, 181, 13}),
                                         QlmDialogItem::Label("Estado:*", {7, 92, 80, 8}),
                                         QlmDialogItem::Edit(1015, {92, 90, 181, 13}),
                                         QlmDialogItem::Label("País:*", {7, 108, 80, 8}),
                                         QlmDialogItem::Edit(1016, {92, 106, 181, 13}),
                                         QlmDialogItem::Label("Código Postal:*", {7, 124, 80, 8}),
                                         QlmDialogItem::Edit(1017, {92, 122, 181, 13}),
                                         QlmDialogItem::Label("Telefone:*", {7, 140, 80, 8}),
                                         QlmDialogItem::Edit(1023, {92, 138, 181, 13}),
                                         QlmDialogItem::Label("Email:*", {7, 156, 80, 8}),
                                         QlmDialogItem::Edit(1021, {92, 154, 181, 13}),
                                         QlmDialogItem::Label("Comentários:", {7, 172, 80, 8}),
                                         QlmDialogItem::Edit(1007, {92, 170, 181, 56}, ES_MULTILINE | WS_VSCROLL),
                                         QlmDialogItem::DefaultButton(IDOK, "OK", {162, 232, 50, 14}),
                                         QlmDialogItem::Button(IDCANCEL, "Cancelar", {223, 232, 50, 14})}};
  return dialog;
}

}  // namespace

CDialogPrototype::CDialogPrototype(CWnd* parent) : CDialog(PrototypeTemplate(), parent) {}

void CDialogPrototype::FillRequesterFromSettings() {
  CString* texts = this->RequestInfo->Texts;
  if (!texts[CQlmRequestInfo::Requester].IsEmpty() || !texts[CQlmRequestInfo::Address].IsEmpty()) return;
  CString settings[RequesterFieldCount];
  if (!ReadConfigSendEmail(settings)) return;
  std::copy_n(settings, RequesterFieldCount, texts + FirstRequesterField);
}

void CDialogPrototype::DoDataExchange(CDataExchange* exchange) {
  if (this->RequestInfo && !exchange->SaveAndValidate) {
    this->FillRequesterFromSettings();
    std::copy_n(this->RequestInfo->Texts, CQlmRequestInfo::FormCount, this->Texts);
  }
  for (int i = 0; i < CQlmRequestInfo::FormCount; ++i) DDX_Text(exchange, FieldEdits[i], this->Texts[i]);
}

void CDialogPrototype::OnOK() {
  if (!this->UpdateData(TRUE)) return;
  if (std::any_of(this->Texts, this->Texts + CQlmRequestInfo::Comments, [](const CString& t) { return t.IsEmpty(); })) {
    QlmMessageBox("Os campos com '*' são obrigatórios", "Atenção", QlmButtons::Ok, QlmIcon::Warning);
    return;
  }
  if (this->RequestInfo) std::copy_n(this->Texts, CQlmRequestInfo::FormCount, this->RequestInfo->Texts);
  CString requester[RequesterFieldCount];
  std::copy_n(this->Texts + FirstRequesterField, RequesterFieldCount, requester);
  WriteConfigSendEmail(requester);
  this->EndDialog(IDOK);
}
