#include "output/CDialogSendProject.h"

#include <algorithm>

#include "output/CQlmMailbox.h"
#include "platform/CQlmPrompter.h"
#include "platform/gui/CDataExchange.h"

namespace {

constexpr UINT PatientNameEdit = 1022;
constexpr UINT SenderNameEdit = 1005;
constexpr UINT SenderEmailEdit = 1021;
constexpr UINT RecipientNameEdit = 1008;
constexpr UINT RecipientEmailEdit = 1023;
constexpr UINT CommentsEdit = 1007;

const QlmDialogTemplate& SendProjectTemplate() {
  static const QlmDialogTemplate dialog{
      209,
      "Envio de Email para um Amigo",
      262,
      232,
      {QlmDialogItem::Label("Nome do Paciente:*", {7, 9, 70, 8}),
       QlmDialogItem::Edit(PatientNameEdit, {80, 7, 175, 13}), QlmDialogItem::GroupBox("De", {7, 26, 248, 46}),
       QlmDialogItem::Label("Nome *", {14, 39, 40, 8}), QlmDialogItem::Edit(SenderNameEdit, {60, 37, 188, 13}),
       QlmDialogItem::Label("Email *", {14, 55, 40, 8}), QlmDialogItem::Edit(SenderEmailEdit, {60, 53, 188, 13}),
       QlmDialogItem::GroupBox("Para", {7, 76, 248, 46}), QlmDialogItem::Label("Nome *", {14, 89, 40, 8}),
       QlmDialogItem::Edit(RecipientNameEdit, {60, 87, 188, 13}), QlmDialogItem::Label("Email *", {14, 105, 40, 8}),
       QlmDialogItem::Edit(RecipientEmailEdit, {60, 103, 188, 13}),
       QlmDialogItem::Label("Comentários:", {7, 128, 60, 8}),
       QlmDialogItem::Edit(CommentsEdit, {7, 138, 248, 66}, ES_MULTILINE | WS_VSCROLL),
       QlmDialogItem::DefaultButton(IDOK, "Enviar", {144, 211, 50, 14}),
       QlmDialogItem::Button(IDCANCEL, "Cancelar", {205, 211, 50, 14})}};
  return dialog;
}

}  // namespace

CDialogSendProject::CDialogSendProject(CWnd* parent) : CDialog(SendProjectTemplate(), parent) {}

void CDialogSendProject::DoDataExchange(CDataExchange* exchange) {
  DDX_Text(exchange, PatientNameEdit, this->PatientName);
  DDX_Text(exchange, SenderNameEdit, this->SenderName);
  DDX_Text(exchange, SenderEmailEdit, this->SenderEmail);
  DDX_Text(exchange, RecipientNameEdit, this->RecipientName);
  DDX_Text(exchange, RecipientEmailEdit, this->RecipientEmail);
  DDX_Text(exchange, CommentsEdit, this->Comments);
}

void CDialogSendProject::OnOK() {
  if (!this->UpdateData(TRUE)) return;
  for (const CString* field :
       {&this->PatientName, &this->SenderEmail, &this->RecipientName, &this->RecipientEmail, &this->SenderName}) {
    if (field->IsEmpty()) {
      QlmMessageBox("Os campos com '*' são obrigatórios", "Atenção", QlmButtons::Ok, QlmIcon::Warning);
      return;
    }
  }
  const bool namesFit =
      IsOneLineName(this->PatientName) && IsOneLineName(this->SenderName) && IsOneLineName(this->RecipientName);
  if (!namesFit || !IsMailAddress(this->SenderEmail) || !IsMailAddress(this->RecipientEmail)) {
    QlmMessageBox("Endereço de email inválido", "Atenção", QlmButtons::Ok, QlmIcon::Warning);
    return;
  }
  this->EndDialog(IDOK);
}

bool CDialogSendProject::IsMailAddress(const CString& address) {
  const std::string& text = address.Str();
  const size_t at = text.find('@');
  if (at == std::string::npos || at == 0 || at + 1 == text.size()) return false;
  if (text.find('@', at + 1) != std::string::npos) return false;
  return CQlmMailbox::IsValidAddress(address);
}

bool CDialogSendProject::IsOneLineName(const CString& name) {
  const std::string& text = name.Str();
  return std::none_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
  });
}
