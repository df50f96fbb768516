#pragma once
// Debian's aiosmtpd on 127.0.0.1 at a free port for the length of a test
// (QlmSmtpPeer.py), with the one login User/Password, and what it received:
// the stored messages, their envelopes and the login attempts.
#include <QJsonObject>
#include <string>
#include <vector>

#include "QlmPeerProcess.h"
#include "QlmTempDir.h"

class QlmSmtpPeer {
public:
  static constexpr char User[] = "planejamento@clinica.test";
  static constexpr char Password[] = "s3nh@-Secreta!";

  struct Options {
    // "plain", "starttls" or "tls".
    std::string security = "plain";
    bool requireStartTls = false;
    bool authRequired = false;
    bool authInClear = false;
    // "aiosmtpd" ("User Name\0", "Password\0") or "classic" ("USERNAME:", "password:").
    std::string prompts = "aiosmtpd";
    // Recipients containing this text are refused with 550.
    std::string refuse;
  };

  explicit QlmSmtpPeer(const Options& options);

  int Port() const { return this->Server.Port(); }
  const std::string& Why() const { return this->Server.Why(); }

  // The messages as the server stored them, in order of arrival.
  std::vector<std::string> Messages() const;
  // mailFrom, rcptTos, mailOptions and encrypted of message `index`.
  QJsonObject Envelope(size_t index) const;
  // "ok USER" or "refused USER" per login attempt.
  std::vector<std::string> Logins() const;

  // A certificate for 127.0.0.1 and localhost, made once per test process;
  // the server presents it, the client trusts it as its CA file.
  static std::string CertificateFile();
  static std::string KeyFile();

private:
  QlmTempDir Folder;
  QlmPeerProcess Server;
};
