#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "QlmMailFixtures.h"
#include "QlmMailParser.h"
#include "QlmSmtpPeer.h"
#include "QlmTempDir.h"
#include "output/CBase64.h"
#include "output/CQlmMimeMessage.h"
#include "output/CQlmObserverTransfer.h"
#include "output/CQlmSmtp.h"

namespace {

using Options = QlmSmtpPeer::Options;
using Security = CQlmSmtpSettings::Security;

class ProgressObserver : public CQlmObserverTransfer {
public:
  std::vector<int> Positions;
  // Cancels once the position reaches this value; -1 never.
  int CancelAt = -1;

  void SetPos(int position) override {
    this->Positions.push_back(position);
    if (this->CancelAt >= 0 && position >= this->CancelAt) this->Cancel();
  }
};

class WarningSmtp : public CQlmSmtp {
public:
  std::vector<int> Warnings;

protected:
  int OnWarning(int code, const CString& text) override {
    this->Warnings.push_back(code);
    return CQlmSmtp::OnWarning(code, text);
  }
};

class CQlmSmtpPeerTest : public testing::Test {
protected:
  // The project mail: Portuguese names, subject and body, the project attached.
  CQlmMimeMessage ProjectMail(size_t projectSize = 300000) {
    this->Project = QlmMailFixtures::ProjectBytes(projectSize);
    const std::string path = QlmMailFixtures::WriteFile(this->Folder, "Amostra.qlm", this->Project);
    CQlmMimeMessage message;
    message.sender = CQlmMailbox("projetos@quorvantile.test", "Ana Souza");
    message.recipient = CQlmMailbox("jose@clinica.test", "José da Silva");
    message.subject = "Enviando Projeto do Quorvantile por Ana Souza Paciente : João Conceição";
    message.zoneOffset = -300;
    message.textParts.emplace_back(
        "Por gentileza, não reencaminhe esse email.\n\n\nJosé da Silva (jose@clinica.test) \n"
        "O seu amigo(a) Ana Souza (ana@clinica.test) ,\nlhe enviou um projeto do Quorvantile Comentários : \n"
        "Implante na região do 36.",
        "text/plain", "iso-8859-1", CQlmMimeMessage::ChooseFromData);
    message.attachments.emplace_back(path.c_str(), nullptr, 0, nullptr, "iso-8859-1", CQlmMimeMessage::ChooseFromData);
    return message;
  }

  static CQlmSmtpSettings Settings(const QlmSmtpPeer& peer, Security security, bool trusted = true,
                                   const char* password = QlmSmtpPeer::Password) {
    CQlmSmtpSettings settings;
    settings.host = "127.0.0.1";
    settings.port = peer.Port();
    settings.security = security;
    settings.caFile = trusted ? QlmSmtpPeer::CertificateFile() : "";
    settings.user = QlmSmtpPeer::User;
    settings.password = password;
    settings.timeoutSeconds = 10;
    return settings;
  }

  // The one stored message reads back as it was sent.
  void ExpectDelivered(const QlmSmtpPeer& peer, const CQlmMimeMessage& sent) const {
    const std::vector<std::string> messages = peer.Messages();
    ASSERT_EQ(messages.size(), 1u);
    const QJsonObject summary = QlmMailParser::Parse(messages[0]);
    EXPECT_TRUE(summary["defects"].toArray().isEmpty());
    EXPECT_TRUE(summary["onlyCrlf"].toBool());
    EXPECT_EQ(summary["from"][0]["name"].toString(), "Ana Souza");
    EXPECT_EQ(summary["from"][0]["address"].toString(), "projetos@quorvantile.test");
    EXPECT_EQ(summary["to"][0]["name"].toString(), "José da Silva");
    EXPECT_EQ(summary["subject"].toString().toStdString(), sent.subject.Str());
    EXPECT_EQ(summary["utcOffsetMinutes"].toInt(), -180);
    const QJsonArray parts = summary["parts"].toArray();
    ASSERT_EQ(parts.size(), 2);
    EXPECT_EQ(parts[0]["text"].toString().toStdString(),
              CQlmMimeMessage::NormaliseLineEnds(sent.textParts[0].text.Str()));
    EXPECT_EQ(parts[1]["filename"].toString(), "Amostra.qlm");
    EXPECT_EQ(parts[1]["sha256"].toString().toStdString(), QlmMailParser::Sha256(this->Project));
  }

  QlmTempDir Folder;
  std::string Project;
};

// aiosmtpd requiring a login, offered on the plain connection.
Options ClearLogin(const char* prompts = "aiosmtpd") {
  Options options;
  options.authRequired = true;
  options.authInClear = true;
  options.prompts = prompts;
  return options;
}

// aiosmtpd answering 530 to everything but STARTTLS before TLS, and requiring a login.
Options StartTlsRequired() {
  Options options;
  options.security = "starttls";
  options.requireStartTls = true;
  options.authRequired = true;
  return options;
}

// aiosmtpd speaking TLS from the first byte; it offers AUTH there only when it may offer it in clear.
Options TlsPort() {
  Options options = ClearLogin();
  options.security = "tls";
  return options;
}

#define START_PEER(peer, options) \
  QlmSmtpPeer peer{options};      \
  if ((peer).Port() == 0) {       \
    GTEST_SKIP() << (peer).Why(); \
  }

struct Wording {
  const char* prompts;
};

void PrintTo(const Wording& c, std::ostream* os) { *os << c.prompts; }

class LoginWording : public CQlmSmtpPeerTest, public testing::WithParamInterface<Wording> {};

TEST_P(LoginWording, LogsInOnLoopbackAndDeliversTheProjectMail) {
  START_PEER(peer, ClearLogin(GetParam().prompts));
  CQlmSmtp client;
  client.SetSettings(Settings(peer, Security::StartTls));
  ASSERT_EQ(client.Connect("127.0.0.1"), 1) << client.GetErrorText().Str();
  CQlmMimeMessage message = this->ProjectMail();
  EXPECT_EQ(client.Send(message), 0) << client.GetErrorText().Str();
  client.Close();
  EXPECT_EQ(peer.Logins(), std::vector<std::string>{std::string("ok ") + QlmSmtpPeer::User});
  this->ExpectDelivered(peer, message);
  const QJsonObject envelope = peer.Envelope(0);
  EXPECT_EQ(envelope["mailFrom"].toString(), "projetos@quorvantile.test");
  EXPECT_EQ(envelope["mailOptions"].toArray(), QJsonArray{"BODY=8BITMIME"});
}

INSTANTIATE_TEST_SUITE_P(Prompts, LoginWording, testing::Values(Wording{"aiosmtpd"}, Wording{"classic"}),
                         [](const testing::TestParamInfo<Wording>& info) { return info.param.prompts; });

struct Encryption {
  const char* name;
  Options options;
  Security security;
};

void PrintTo(const Encryption& c, std::ostream* os) { *os << c.name; }

class EncryptedConnection : public CQlmSmtpPeerTest, public testing::WithParamInterface<Encryption> {};

TEST_P(EncryptedConnection, VerifiesTheCertificateAndLogsInUnderTls) {
  START_PEER(peer, GetParam().options);
  CQlmSmtp client;
  client.SetSettings(Settings(peer, GetParam().security));
  ASSERT_EQ(client.Connect("127.0.0.1"), 1) << client.GetErrorText().Str();
  EXPECT_TRUE(client.IsEncrypted());
  CQlmMimeMessage message = this->ProjectMail();
  EXPECT_EQ(client.Send(message), 0) << client.GetErrorText().Str();
  client.Close();
  EXPECT_EQ(peer.Logins(), std::vector<std::string>{std::string("ok ") + QlmSmtpPeer::User});
  this->ExpectDelivered(peer, message);
  EXPECT_TRUE(peer.Envelope(0)["encrypted"].toBool());
}

TEST_P(EncryptedConnection, UntrustedCertificateEndsTheConnectionBeforeTheLogin) {
  START_PEER(peer, GetParam().options);
  CQlmSmtp client;
  client.SetSettings(Settings(peer, GetParam().security, false));
  EXPECT_EQ(client.Connect("127.0.0.1"), 0);
  EXPECT_TRUE(client.GetErrorText().Str().starts_with(
      "Não foi possível estabelecer uma conexão segura com o servidor de email 127.0.0.1 ("))
      << client.GetErrorText().Str();
  EXPECT_TRUE(peer.Logins().empty());
}

INSTANTIATE_TEST_SUITE_P(Servers, EncryptedConnection,
                         testing::Values(Encryption{"StartTlsRequired", StartTlsRequired(), Security::StartTls},
                                         Encryption{"TlsFromTheFirstByte", TlsPort(), Security::Tls}),
                         [](const testing::TestParamInfo<Encryption>& info) { return info.param.name; });

TEST_F(CQlmSmtpPeerTest, RefusedPasswordIsTriedOnceMoreAndThenReported) {
  START_PEER(peer, ClearLogin());
  CQlmSmtp client;
  client.SetSettings(Settings(peer, Security::StartTls, true, "errada"));
  ASSERT_EQ(client.Connect("127.0.0.1"), 1) << "a refused login does not fail the connection";
  CQlmMimeMessage message = this->ProjectMail();
  EXPECT_EQ(client.Send(message), 530);
  EXPECT_TRUE(client.GetErrorText().Str().starts_with("O servidor de email recusou o usuário ou a senha."))
      << client.GetErrorText().Str();
  client.Close();
  const std::string refused = std::string("refused ") + QlmSmtpPeer::User;
  EXPECT_EQ(peer.Logins(), (std::vector<std::string>{refused, refused}));
  EXPECT_TRUE(peer.Messages().empty());
}

TEST_F(CQlmSmtpPeerTest, RefusedRecipientBesideAnAcceptedOneStillDelivers) {
  Options refusing = ClearLogin();
  refusing.refuse = "recusado";
  START_PEER(peer, refusing);
  WarningSmtp client;
  client.SetSettings(Settings(peer, Security::StartTls));
  ASSERT_EQ(client.Connect("127.0.0.1"), 1);
  CQlmMimeMessage message = this->ProjectMail();
  message.furtherRecipients.emplace_back("recusado@clinica.test", "Recusado");
  message.hiddenRecipients.emplace_back("arquivo@clinica.test", nullptr);
  EXPECT_EQ(client.Send(message), 0);
  client.Close();
  EXPECT_EQ(client.Warnings, std::vector<int>{550});
  EXPECT_EQ(peer.Envelope(0)["rcptTos"].toArray(), (QJsonArray{"jose@clinica.test", "arquivo@clinica.test"}));
}

TEST_F(CQlmSmtpPeerTest, LongTransferReportsProgressAndStopsWhenCancelled) {
  START_PEER(peer, Options());
  for (const int cancelAt : {-1, 30}) {
    CQlmSmtp client;
    ProgressObserver observer;
    observer.CancelAt = cancelAt;
    client.SetObserver(&observer);
    client.SetSettings(Settings(peer, Security::StartTls));
    ASSERT_EQ(client.Connect("127.0.0.1"), 1);
    CQlmMimeMessage message = this->ProjectMail(3 << 20);
    const int result = client.Send(message);
    EXPECT_TRUE(std::is_sorted(observer.Positions.begin(), observer.Positions.end()));
    if (cancelAt < 0) {
      EXPECT_EQ(result, 0);
      EXPECT_GT(observer.Positions.size(), 4000u);
      EXPECT_EQ(observer.Positions.back(), 100);
    } else {
      EXPECT_EQ(result, -1);
      EXPECT_EQ(client.GetErrorText().Str(), "Envio cancelado.");
      EXPECT_EQ(client.IsConnected(), 0);
      EXPECT_EQ(observer.Positions.back(), 30);
    }
    client.Close();
  }
  EXPECT_EQ(peer.Messages().size(), 1u) << "the cancelled message is not stored";
}

TEST_F(CQlmSmtpPeerTest, TraceNeverShowsThePassword) {
  START_PEER(peer, StartTlsRequired());
  std::string trace;
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  {
    CQlmSmtp client;
    client.SetDebugSink([&trace](const std::string& text) { trace += text; });
    client.SetSettings(Settings(peer, Security::StartTls));
    ASSERT_EQ(client.Connect("127.0.0.1"), 1);
    CQlmMimeMessage message = this->ProjectMail(1000);
    EXPECT_EQ(client.Send(message), 0);
    trace += client.GetLastReply().Str() + client.GetErrorText().Str();
  }
  const std::string output = trace + testing::internal::GetCapturedStdout() + testing::internal::GetCapturedStderr();
  CBase64 codec;
  codec.EncodeString(QlmSmtpPeer::Password);
  EXPECT_NE(trace.find("SmtpCommand : AUTH LOGIN\r\n"), std::string::npos) << trace;
  EXPECT_NE(trace.find("SmtpCommand : ****\r\n"), std::string::npos);
  EXPECT_NE(trace.find("SmtpCommand : QUIT\r\n"), std::string::npos);
  EXPECT_EQ(output.find(QlmSmtpPeer::Password), std::string::npos);
  EXPECT_EQ(output.find(codec.GetEncoded()), std::string::npos);
}

}  // namespace
