#pragma once
// Where and how the mail goes out: the mail server, its port, the protection
// of the connection, extra trusted certificates and the login.
#include "platform/CString.h"

class CQlmSmtpSettings {
public:
  enum class Security {
    // Plain connection that switches to TLS when the server offers STARTTLS.
    StartTls,
    // TLS from the first byte (usually port 465).
    Tls,
  };

  // Host name or dotted address of the mail server.
  CString host;
  int port = 25;
  Security security = Security::StartTls;
  // PEM file of certificates trusted besides the system's; empty: the system's only.
  CString caFile;
  // Login name; empty: no authentication.
  CString user;
  CString password;
  // Longest wait for the connection, each reply and each piece sent.
  int timeoutSeconds = 30;
};
