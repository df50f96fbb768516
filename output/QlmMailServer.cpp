#include "output/QlmMailServer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QHostAddress>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/QlmNumberFormat.h"

namespace QlmMailServer {

namespace {

constexpr const char* PlaceholderSupportAddress = "suporte@quillmar.example";

CString Variable(const char* name) {
  const char* value = std::getenv(name);
  CString text(value ? value : "");
  text.Trim();
  return text;
}

bool IsLoopback(const CString& host) {
  if (host.CompareNoCase("localhost") == 0) return true;
  const QHostAddress address(QString::fromStdString(host.Str()));
  return !address.isNull() && address.isLoopback();
}

// The first line of a file only the user may read; none otherwise.
std::optional<CString> ReadPrivateLine(const CString& path) {
  struct stat status {};
  if (path.IsEmpty() || ::stat(path.c_str(), &status) != 0) return std::nullopt;
  if (!S_ISREG(status.st_mode) || status.st_uid != ::getuid() || (status.st_mode & 077) != 0) return std::nullopt;
  std::ifstream file(path.c_str());
  std::string line;
  if (!std::getline(file, line)) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.empty()) return std::nullopt;
  return CString(line);
}

std::optional<int> Port(const CString& text, int standard) {
  if (text.IsEmpty()) return standard;
  const std::optional<int> port = QlmNumberFormat::ToInt(text.Str());
  if (!port || *port < 1 || *port > 65535) return std::nullopt;
  return port;
}

}  // namespace

std::optional<CQlmSmtpSettings> Settings() {
  CQlmSmtpSettings settings;
  settings.host = Variable("QLM_MAIL_SERVER");
  settings.user = Variable("QLM_MAIL_MAILBOX");
  if (settings.host.IsEmpty() || settings.user.IsEmpty()) return std::nullopt;

  const CString security = Variable("QLM_MAIL_SECURITY");
  int standardPort = 587;
  if (security.IsEmpty() || security.CompareNoCase("starttls") == 0) {
    settings.security = CQlmSmtpSettings::Security::StartTls;
  } else if (security.CompareNoCase("tls") == 0) {
    settings.security = CQlmSmtpSettings::Security::Tls;
    standardPort = 465;
  } else if (security.CompareNoCase("plain") == 0 && IsLoopback(settings.host)) {
    settings.security = CQlmSmtpSettings::Security::StartTls;
    standardPort = 25;
  } else {
    return std::nullopt;
  }
  const std::optional<int> port = Port(Variable("QLM_MAIL_PORT"), standardPort);
  if (!port) return std::nullopt;
  settings.port = *port;

  const std::optional<CString> password = ReadPrivateLine(Variable("QLM_MAIL_PASSWORD_FILE"));
  if (!password) return std::nullopt;
  settings.password = *password;
  settings.caFile = Variable("QLM_MAIL_CA_FILE");
  return settings;
}

CString SupportAddress() {
  const CString configured = Variable("QLM_SUPPORT_ADDRESS");
  return configured.IsEmpty() ? CString(PlaceholderSupportAddress) : configured;
}

}  // namespace QlmMailServer
