#pragma once
// Blocking SMTP client: one connection to one mail server (greeting, EHLO or
// HELO, STARTTLS, AUTH LOGIN), messages handed over with MAIL FROM, RCPT TO
// and DATA, and QUIT. Everything runs on the calling thread; every wait is
// bounded by the time-out of the settings.
//
// The connection switches to TLS when the server offers STARTTLS (or starts
// with TLS when the settings say so) and the server's certificate is always
// verified. The login goes out only over TLS or to a loopback address, at most
// twice per connection, and never appears in the trace.
//
// Notifications go through the virtual On* operations; their defaults write to
// the debug sink when one is set and drive the progress observer. After a
// failure GetErrorText says in Portuguese what went wrong.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "output/CQlmSmtpReplyReader.h"
#include "output/CQlmSmtpSettings.h"
#include "platform/CString.h"

class CQlmMimeMessage;
class CQlmObserverTransfer;
class QSslSocket;

class CQlmSmtp {
public:
  using DebugSink = std::function<void(const std::string& text)>;

  CQlmSmtp();
  virtual ~CQlmSmtp();
  CQlmSmtp(const CQlmSmtp&) = delete;
  CQlmSmtp& operator=(const CQlmSmtp&) = delete;

  // Port, security, certificates, login and time-out for the next Connect
  // (the host is Connect's argument).
  void SetSettings(const CQlmSmtpSettings& settings);
  // Progress and cancel of DATA; not owned, may be null (the transfer then goes on).
  void SetObserver(CQlmObserverTransfer* observer) { this->Observer = observer; }
  // Receives the texts of the default OnWarning, OnError and OnTrace; unset, they go nowhere.
  void SetDebugSink(DebugSink sink) { this->Sink = std::move(sink); }
  // 1 (the default): greet with EHLO first; 0: HELO only (no STARTTLS, no login).
  void SetTryExtended(int tryExtended) { this->TryExtended = tryExtended; }

  // Opens the connection and greets the server (and logs in when a user is
  // set); 1 on success, 0 on failure. A refused login does not fail it.
  int Connect(const char* host);
  // One message through MAIL FROM, RCPT TO and DATA: 0 when the server took
  // it, otherwise -1 or the reply code that ended it. Nothing is sent when an
  // address is not valid or an attachment cannot be read.
  int Send(CQlmMimeMessage& message);
  // QUIT when connected, then closes the connection.
  void Close();

  int IsConnected() const { return this->Connected; }
  // 1 when the server accepted EHLO.
  int IsExtended() const { return this->Extended; }
  bool IsEncrypted() const;
  // The last reply, its lines joined by CRLF.
  const CString& GetLastReply() const { return this->LastReply; }
  // What went wrong in the last Connect or Send, a refused login that did not
  // fail Connect included; empty when nothing did.
  const CString& GetErrorText() const { return this->ErrorText; }

protected:
  // A refused recipient or login. For a refused password (535) the result
  // decides: 1 logs in once more, anything else gives up. The default returns 0.
  virtual int OnWarning(int code, const CString& text);
  // A step that ended the exchange, with the reply (or, when none came, the
  // error text); the result is not used.
  virtual int OnError(int code, const CString& text);
  // Each command with its reply; login answers read "****".
  virtual void OnTrace(const CString& command, int code, const CString& reply);
  // After each 1024-byte piece of a command longer than 1024 bytes; 0 stops
  // the transfer. The default asks the observer whether to go on and sets its
  // position to sent / total * 100.
  virtual int OnProgress(std::string_view data, size_t sent, size_t total);

private:
  int Command(std::string_view command, std::string_view traced = {});
  bool Write(std::string_view data);
  bool Flush();
  int ReadReply(std::string_view traced);
  void DiscardUnread();
  int Hello();
  int StartTls();
  void ReadExtensions();
  int AuthLogin();
  int MailFrom(const CString& address, bool eightBitBody);
  int RcptTo(const CString& address);
  int Data(const CString& text);
  int Quit();
  bool CanSendLogin() const;
  std::string EhloLine() const;
  CString SecurityFailure() const;
  int Fail(int code, const CString& text);
  void Notify(const char* prefix, const CString& text) const;

  int TryExtended = 1;
  int TimeoutSeconds = 30;
  int Port = 25;
  CQlmSmtpSettings::Security Security = CQlmSmtpSettings::Security::StartTls;
  CString CaFile;
  CString User;
  CString Password;
  std::unique_ptr<QSslSocket> Socket;
  CString Host;
  CQlmSmtpReplyReader Reader;
  CString LastReply;
  CString ErrorText;
  int Connected = 0;
  int Extended = 0;
  bool OffersStartTls = false;
  bool OffersEightBitMime = false;
  int LoginAttempts = 0;
  bool LoginRefused = false;
  // Set by a failed send or reply: no further command may go out on this connection.
  bool OutOfStep = false;
  CQlmObserverTransfer* Observer = nullptr;
  DebugSink Sink;
};
