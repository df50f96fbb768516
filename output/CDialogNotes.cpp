#include "output/CDialogNotes.h"

#include "platform/gui/CDataExchange.h"

namespace {

constexpr UINT NoteEdit = 1202;
constexpr UINT AlertCheck = 1207;

const QlmDialogTemplate& NotesTemplate() {
  static const QlmDialogTemplate dialog{
      268,
      "Informação sobre o Exame",
      260,
      170,
      {QlmDialogItem::Edit(NoteEdit, {7, 7, 246, 132}, ES_MULTILINE | WS_VSCROLL),
       QlmDialogItem::CheckBox(AlertCheck, "Alerta ao Abrir Exame", {7, 150, 110, 10}),
       QlmDialogItem::DefaultButton(IDOK, "OK", {142, 149, 50, 14}),
       QlmDialogItem::Button(IDCANCEL, "Cancel", {203, 149, 50, 14})}};
  return dialog;
}

}  // namespace

CDialogNotes::CDialogNotes(CWnd* parent) : CDialog(NotesTemplate(), parent) {}

void CDialogNotes::DoDataExchange(CDataExchange* exchange) {
  DDX_Text(exchange, NoteEdit, this->NoteText);
  DDX_Check(exchange, AlertCheck, this->AlertOnOpen);
}
