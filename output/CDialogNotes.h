#pragma once
// The exam notes: a text of several lines and whether it is shown whenever
// the project is opened. The calling command fills and reads the members.
#include "platform/CString.h"
#include "platform/gui/CDialog.h"

class CDialogNotes : public CDialog {
public:
  explicit CDialogNotes(CWnd* parent = nullptr);

  CString NoteText;
  // 1: "Alerta ao Abrir Exame" ticked.
  int AlertOnOpen = 0;

protected:
  void DoDataExchange(CDataExchange* exchange) override;
};
