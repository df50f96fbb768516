#pragma once
// The sending dialog of the project mail: it shows the attachment's size and
// a progress bar while a worker thread hands the mail to the configured mail
// server (QlmMailServer), and closes itself when the sending has ended.
// "Cancelar" stops the transfer at its next piece. After the dialog has
// closed, the result is shown ("O email foi enviado com sucesso." or the
// failure message); a project file that cannot be opened, or a mail server
// that is not configured, is a failed send without any connection.
#include <atomic>
#include <thread>

#include "platform/CString.h"
#include "platform/gui/CDialog.h"
#include "platform/gui/CProgressCtrl.h"

class CQlmMail;
class CQlmObserverRequest;

class CDialogSendFriend : public CDialog {
public:
  explicit CDialogSendFriend(CWnd* parent = nullptr);
  ~CDialogSendFriend() override;

  void SetProjectPath(const CString& text) { this->ProjectPath = text; }
  void SetPatientName(const CString& text) { this->PatientName = text; }
  void SetSenderName(const CString& text) { this->SenderName = text; }
  void SetSenderEmail(const CString& text) { this->SenderEmail = text; }
  void SetRecipientName(const CString& text) { this->RecipientName = text; }
  void SetRecipientEmail(const CString& text) { this->RecipientEmail = text; }
  void SetComments(const CString& text) { this->Comments = text; }

  // Runs the dialog (the sending with it), waits for the transfer to stop,
  // then shows the result. IDCANCEL.
  INT_PTR DoModal() override;
  // 1 when the last run sent the mail.
  int GetSent() const { return this->Sent; }

  CString BuildSubject() const;
  CString BuildBody() const;
  // The size in megabytes as the dialog shows it ("1.50" for 1,572,864 bytes).
  static CString FormatMegabytes(long long bytes);

protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* exchange) override;
  void OnCancel() override;
  // Enter does not end the sending.
  void OnOK() override {}

private:
  void SendProject();
  void OnSendingEnded();
  void WaitForWorker();

  CProgressCtrl Progress;
  CQlmObserverRequest* Observer = nullptr;
  CQlmMail* Mail = nullptr;
  CString ProjectPath;
  CString PatientName;
  CString SenderName;
  CString SenderEmail;
  CString RecipientName;
  CString RecipientEmail;
  CString Comments;
  CString SizeText;
  std::thread Worker;
  std::atomic<bool> WorkerDone = false;
  int Sent = 0;
};
