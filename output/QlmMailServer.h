#pragma once
// The mail server through which the program sends projects, and the maker's
// support address, all configuration (never in the code):
// - $QLM_MAIL_SERVER, host name or address of the mail server;
// - $QLM_MAIL_PORT, its port (default 587; 465 for "tls", 25 for "plain");
// - $QLM_MAIL_SECURITY, "starttls" (default), "tls", or "plain", which is
//   allowed to a loopback server only;
// - $QLM_MAIL_MAILBOX, the product's mailbox: the sender address and login;
// - $QLM_MAIL_PASSWORD_FILE, a file that holds the mailbox's password on its
//   first line, owned by the user and readable by nobody else;
// - $QLM_MAIL_CA_FILE, PEM certificates trusted besides the system's (optional);
// - $QLM_SUPPORT_ADDRESS, where guide and prototype requests go.
#include <optional>

#include "output/CQlmSmtpSettings.h"
#include "platform/CString.h"

namespace QlmMailServer {

// The server, security, login and password; none when a value is missing,
// the port is not a number from 1 to 65535, the security is unknown, plain
// goes to a server that is not a loopback address, or the password file is
// missing, empty, not the user's own or readable by group or others.
std::optional<CQlmSmtpSettings> Settings();
// The maker's support address; a placeholder in the reserved ".example"
// domain when not configured.
CString SupportAddress();

}  // namespace QlmMailServer
