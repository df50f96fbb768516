#pragma once
// Asks for a library's password ("Senha Requerida") in a masked field that
// refuses copy and drag. Enter ends with IDOK, Escape with IDCANCEL and an
// empty password. Closing wipes the field; the caller takes the text once
// with TakePassword, which wipes the dialog's copy. The text is never
// shown, logged or passed to a message.
#include "platform/gui/CDialog.h"

class CDialogImpLibPassword : public CDialog {
public:
  static constexpr UINT TemplateID = 281;
  static constexpr UINT EditID = 1251;

  explicit CDialogImpLibPassword(CWnd* parent = nullptr);
  ~CDialogImpLibPassword() override;

  // The typed password (empty after Cancel); the dialog keeps no copy afterwards.
  CString TakePassword();

protected:
  void DoDataExchange(CDataExchange* exchange) override;
  void OnOK() override;
  void OnCancel() override;

private:
  void WipeField();

  CString Password;
};
