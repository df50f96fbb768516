#include "QlmSmtpPeer.h"

#include <QJsonDocument>
#include <QProcess>
#include <filesystem>
#include <fstream>

#include "QlmBytes.h"

namespace {

std::vector<std::string> Arguments(const QlmSmtpPeer::Options& options, const std::string& folder) {
  std::vector<std::string> arguments{"/usr/bin/python3", QLM_SMTP_PEER_SCRIPT, "--folder",   folder,
                                     "--user",           QlmSmtpPeer::User,    "--password", QlmSmtpPeer::Password,
                                     "--security",       options.security,     "--prompts",  options.prompts};
  if (options.security != "plain") {
    arguments.insert(arguments.end(), {"--cert", QlmSmtpPeer::CertificateFile(), "--key", QlmSmtpPeer::KeyFile()});
  }
  if (options.requireStartTls) arguments.push_back("--require-starttls");
  if (options.authRequired) arguments.push_back("--auth-required");
  if (options.authInClear) arguments.push_back("--auth-in-clear");
  if (!options.refuse.empty()) arguments.insert(arguments.end(), {"--refuse", options.refuse});
  return arguments;
}

std::string ReadText(const std::filesystem::path& path) {
  const QlmBytes::Bytes bytes = QlmBytes::ReadFile(path.string());
  return std::string(bytes.begin(), bytes.end());
}

// The folder of the certificate, made with openssl on first use.
const QlmTempDir& CertificateFolder() {
  static const QlmTempDir folder;
  static const bool made = [] {
    QProcess openssl;
    openssl.start("openssl", {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
                              "-keyout", QString::fromStdString(folder.File("key.pem")), "-out",
                              QString::fromStdString(folder.File("certificate.pem")), "-days", "2", "-subj",
                              "/CN=localhost", "-addext", "subjectAltName=DNS:localhost,IP:127.0.0.1"});
    return openssl.waitForFinished(60000) && openssl.exitCode() == 0;
  }();
  static_cast<void>(made);
  return folder;
}

}  // namespace

QlmSmtpPeer::QlmSmtpPeer(const Options& options) : Server(Arguments(options, this->Folder.Path().string())) {}

std::vector<std::string> QlmSmtpPeer::Messages() const {
  std::vector<std::string> messages;
  for (size_t i = 1; std::filesystem::exists(this->Folder.Path() / ("message-" + std::to_string(i) + ".eml")); ++i) {
    messages.push_back(ReadText(this->Folder.Path() / ("message-" + std::to_string(i) + ".eml")));
  }
  return messages;
}

QJsonObject QlmSmtpPeer::Envelope(size_t index) const {
  const std::string text = ReadText(this->Folder.Path() / ("message-" + std::to_string(index + 1) + ".json"));
  return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
}

std::vector<std::string> QlmSmtpPeer::Logins() const {
  std::vector<std::string> logins;
  std::ifstream log(this->Folder.Path() / "auth.log");
  for (std::string line; std::getline(log, line);) logins.push_back(line);
  return logins;
}

std::string QlmSmtpPeer::CertificateFile() { return CertificateFolder().File("certificate.pem"); }

std::string QlmSmtpPeer::KeyFile() { return CertificateFolder().File("key.pem"); }
