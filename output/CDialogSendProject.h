#pragma once
// The send form of the project mail: patient, sender and recipient with
// their e-mail addresses, and comments. OK ("Enviar") is refused while a
// field other than the comments is empty, an address is not local@domain,
// or a name holds a line break or another control character.
#include "platform/CString.h"
#include "platform/gui/CDialog.h"

class CDialogSendProject : public CDialog {
public:
  explicit CDialogSendProject(CWnd* parent = nullptr);

  void SetPatientName(const CString& text) { this->PatientName = text; }

  CString GetPatientName() const { return this->PatientName; }
  CString GetSenderName() const { return this->SenderName; }
  CString GetSenderEmail() const { return this->SenderEmail; }
  CString GetRecipientName() const { return this->RecipientName; }
  CString GetRecipientEmail() const { return this->RecipientEmail; }
  CString GetComments() const { return this->Comments; }

  // True for one '@' between a non-empty local part and a non-empty domain,
  // the whole fit for a mail command (CQlmMailbox::IsValidAddress).
  static bool IsMailAddress(const CString& address);
  // True when no character is a control character (a line break included).
  static bool IsOneLineName(const CString& name);

protected:
  void DoDataExchange(CDataExchange* exchange) override;
  void OnOK() override;

private:
  CString PatientName;
  CString SenderName;
  CString SenderEmail;
  CString RecipientName;
  CString RecipientEmail;
  CString Comments;
};
