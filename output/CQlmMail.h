#pragma once
// One e-mail with at most one attached file, handed to a mail server: the
// sender, the primary recipient, further and hidden recipients, the text,
// the login and the progress observer. Send composes the message and runs
// the whole SMTP exchange on the calling thread, which may be a worker: the
// observer is the only link to the user interface.
#include <vector>

#include "output/CQlmSmtpSettings.h"
#include "platform/CObject.h"
#include "platform/CString.h"

class CQlmObserverTransfer;

class CQlmMail : public CObject {
public:
  static constexpr int MaximumRecipients = 200;

  // Empty strings, counts 0, the four recipient arrays allocated.
  static CQlmMail* New() { return new CQlmMail; }

  void SetSubject(const CString& text) { this->subject = text; }
  void SetFrom(const CString& name, const CString& address) { this->fromName = name, this->fromAddress = address; }
  void SetTo(const CString& name, const CString& address) { this->toName = name, this->toAddress = address; }
  void SetBody(const CString& text) { this->body = text; }
  // Full path of the one attached file; empty: none.
  void SetAttachment(const CString& path) { this->attachmentPath = path; }
  void SetUser(const CString& text) { this->user = text; }
  void SetPassword(const CString& text) { this->password = text; }
  // Progress and cancel of the transfer; not owned, may be null.
  void SetObserver(CQlmObserverTransfer* observer) { this->observer = observer; }
  // Host, port, security and trusted certificates of the mail server (its
  // login comes from SetUser and SetPassword).
  void SetServer(const CQlmSmtpSettings& server) { this->server = server; }

  // 1 when the server accepted the message, 0 when the connection, the
  // login, a recipient or the transfer failed, the attachment could not be
  // read, or the observer cancelled.
  int Send();

  CString subject;
  CString fromName;
  CString fromAddress;
  CString toName;
  CString toAddress;
  // The first furtherCount (hiddenCount) entries are sent.
  std::vector<CString> furtherNames = std::vector<CString>(MaximumRecipients);
  std::vector<CString> furtherAddresses = std::vector<CString>(MaximumRecipients);
  int furtherCount = 0;
  std::vector<CString> hiddenNames = std::vector<CString>(MaximumRecipients);
  std::vector<CString> hiddenAddresses = std::vector<CString>(MaximumRecipients);
  int hiddenCount = 0;
  CString body;
  CString attachmentPath;
  CString user;
  CString password;
  CQlmObserverTransfer* observer = nullptr;

protected:
  CQlmMail() = default;

private:
  CQlmSmtpSettings server;
};
