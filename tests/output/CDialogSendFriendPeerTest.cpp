// The sending dialog against real mail servers on loopback: Debian's aiosmtpd
// (STARTTLS with a throw-away certificate, the login of the configuration)
// and a scripted server that stops reading during DATA, for the cancel.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <QProgressBar>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "QlmDialogDriver.h"
#include "QlmGuiTestApp.h"
#include "QlmMailConfig.h"
#include "QlmMailFixtures.h"
#include "QlmMailParser.h"
#include "QlmScriptedSmtpServer.h"
#include "QlmSmtpPeer.h"
#include "QlmTempDir.h"
#include "output/CDialogSendFriend.h"
#include "platform/CQlmScriptedPrompter.h"

namespace {

constexpr const char* Sent = "O email foi enviado com sucesso.";
constexpr const char* NotSent = "O email não foi enviado. Por favor, verifique a sua conecção.";

QlmMailConfig::Values PeerConfig(int port) {
  QlmMailConfig::Values values;
  values.port = std::to_string(port);
  values.security = "starttls";
  values.mailbox = QlmSmtpPeer::User;
  values.password = QlmSmtpPeer::Password;
  values.caFile = QlmSmtpPeer::CertificateFile();
  return values;
}

QlmSmtpPeer::Options StartTlsPeer(const std::string& refuse = std::string()) {
  QlmSmtpPeer::Options options;
  options.security = "starttls";
  options.requireStartTls = true;
  options.authRequired = true;
  options.refuse = refuse;
  return options;
}

class CDialogSendFriendPeerTest : public ::testing::Test {
protected:
  void SetUp() override {
    QlmGuiTestApp::Instance();
    this->Project = QlmMailFixtures::ProjectBytes(1572864);
    this->Path = QlmMailFixtures::WriteFile(this->Folder, "Amostra.qlm", this->Project);
  }

  // Runs the dialog in its own modal loop, with `whileOpen` called every few
  // milliseconds until the dialog ends; the positions the bar showed.
  std::vector<int> Send(CDialogSendFriend& sending, const std::function<void(CDialogSendFriend&)>& whileOpen = {}) {
    sending.SetProjectPath(this->Path.c_str());
    sending.SetPatientName("José");
    sending.SetSenderName("Ana");
    sending.SetSenderEmail("ana@clinica.test");
    sending.SetRecipientName("Bruno");
    sending.SetRecipientEmail(this->Recipient.c_str());
    sending.SetComments("Veja o implante 36.\r\nAbraços");
    std::vector<int> positions;
    CDialog::ModalHook previous = CDialog::SetModalHook([&](CDialog& dialog) {
      auto* bar = qobject_cast<QProgressBar*>(QlmDialogDriver::Control(dialog, 1160));
      const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
      while (!dialog.IsEnded() && std::chrono::steady_clock::now() < deadline) {
        QlmGuiTestApp::Wait(5);
        if (bar && (positions.empty() || positions.back() != bar->value())) positions.push_back(bar->value());
        if (whileOpen && !dialog.IsEnded()) whileOpen(sending);
      }
      return INT_PTR(IDCANCEL);
    });
    sending.DoModal();
    CDialog::SetModalHook(previous);
    return positions;
  }

  QlmTempDir Folder;
  std::string Project;
  std::string Path;
  std::string Recipient = "bruno@consultorio.test";
  CQlmScriptedPrompter Prompter;
};

#define START_PEER(peer, options) \
  QlmSmtpPeer peer{options};      \
  if ((peer).Port() == 0) {       \
    GTEST_SKIP() << (peer).Why(); \
  }

}  // namespace

TEST_F(CDialogSendFriendPeerTest, SendsTheProjectFromTheConfiguredMailboxOverStartTls) {
  START_PEER(peer, StartTlsPeer());
  QlmMailConfig config(PeerConfig(peer.Port()));
  CDialogSendFriend sending;
  const std::vector<int> positions = this->Send(sending);

  ASSERT_EQ(this->Prompter.Messages.size(), 1u);
  EXPECT_EQ(this->Prompter.Messages[0].Text, Sent);
  EXPECT_EQ(this->Prompter.Messages[0].Caption, "Atenção");
  ASSERT_FALSE(positions.empty());
  EXPECT_EQ(positions.back(), 100);
  EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
  EXPECT_EQ(peer.Logins(), std::vector<std::string>{std::string("ok ") + QlmSmtpPeer::User});

  const std::vector<std::string> messages = peer.Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(peer.Envelope(0)["encrypted"].toBool());
  EXPECT_EQ(peer.Envelope(0)["rcptTos"].toArray(), QJsonArray{"bruno@consultorio.test"});
  const QJsonObject summary = QlmMailParser::Parse(messages[0]);
  ASSERT_FALSE(summary.contains("error")) << summary["error"].toString().toStdString();
  EXPECT_TRUE(summary["defects"].toArray().isEmpty());
  EXPECT_TRUE(summary["onlyCrlf"].toBool());
  EXPECT_EQ(summary["subject"].toString(), "Enviando Projeto do Quorvantile por Ana Paciente : José");
  EXPECT_EQ(summary["from"][0]["name"].toString(), "Ana");
  EXPECT_EQ(summary["from"][0]["address"].toString(), QlmSmtpPeer::User);
  EXPECT_EQ(summary["to"][0]["name"].toString(), "Bruno");
  const QJsonArray parts = summary["parts"].toArray();
  ASSERT_EQ(parts.size(), 2);
  EXPECT_EQ(parts[0]["type"].toString(), "text/plain");
  EXPECT_EQ(parts[0]["charset"].toString(), "iso-8859-1");
  EXPECT_EQ(parts[0]["text"].toString().toStdString(),
            "Por gentileza, não reencaminhe esse email.\r\n\r\n\r\nBruno (bruno@consultorio.test) \r\n"
            "O seu amigo(a) Ana (ana@clinica.test) , lhe enviou um projeto do Quorvantile Comentários : \r\n"
            "Veja o implante 36.\r\nAbraços");
  EXPECT_EQ(parts[1]["filename"].toString(), "Amostra.qlm");
  EXPECT_EQ(parts[1]["size"].toInt(), static_cast<int>(this->Project.size()));
  EXPECT_EQ(parts[1]["sha256"].toString().toStdString(), QlmMailParser::Sha256(this->Project));
}

TEST_F(CDialogSendFriendPeerTest, RefusedRecipientIsAFailedSend) {
  START_PEER(peer, StartTlsPeer("recusado"));
  QlmMailConfig config(PeerConfig(peer.Port()));
  this->Recipient = "recusado@consultorio.test";
  CDialogSendFriend sending;
  this->Send(sending);
  EXPECT_EQ(sending.GetSent(), 0);
  ASSERT_EQ(this->Prompter.Messages.size(), 1u);
  EXPECT_EQ(this->Prompter.Messages[0].Text, NotSent);
  EXPECT_TRUE(peer.Messages().empty());
}

// The server stops reading during DATA: the client's writes fill the socket
// and wait; "Cancelar" ends the dialog at once and the transfer at its next piece.
TEST_F(CDialogSendFriendPeerTest, CancelDuringASlowedTransferEndsItAsAFailedSend) {
  using Server = QlmScriptedSmtpServer;
  this->Project = QlmMailFixtures::ProjectBytes(24 << 20);
  this->Path = QlmMailFixtures::WriteFile(this->Folder, "Grande.qlm", this->Project);
  Server server({Server::Send("220 lento.test\r\n"), Server::Expect("EHLO"), Server::Send("502 no\r\n"),
                 Server::Expect("HELO"), Server::Send("250 lento.test\r\n"), Server::Expect("MAIL FROM:"),
                 Server::Send("250 Ok\r\n"), Server::Expect("RCPT TO:"), Server::Send("250 Ok\r\n"),
                 Server::Expect("DATA"), Server::Send("354 go\r\n"), Server::Wait(4000), Server::ReadToEnd()});
  QlmMailConfig::Values values;
  values.port = std::to_string(server.Port());
  QlmMailConfig config(values);

  CDialogSendFriend sending;
  bool cancelled = false;
  auto cancelled_at = std::chrono::steady_clock::now();
  const std::vector<int> positions = this->Send(sending, [&](CDialogSendFriend& dialog) {
    auto* bar = qobject_cast<QProgressBar*>(QlmDialogDriver::Control(dialog, 1160));
    if (!cancelled && bar && bar->value() > 0) {
      cancelled = true;
      cancelled_at = std::chrono::steady_clock::now();
      QlmDialogDriver::Press(dialog, 1158);
    }
  });
  const auto ended = std::chrono::steady_clock::now();
  server.WaitUntilDone();
  ASSERT_TRUE(cancelled);
  EXPECT_LT(positions.back(), 100);
  EXPECT_EQ(sending.GetSent(), 0);
  ASSERT_EQ(this->Prompter.Messages.size(), 1u);
  EXPECT_EQ(this->Prompter.Messages[0].Text, NotSent);
  // The dialog waited for the transfer to stop, not for the time-out.
  EXPECT_LT(std::chrono::duration_cast<std::chrono::seconds>(ended - cancelled_at).count(), 20);
  EXPECT_TRUE(server.Mismatch().empty()) << server.Mismatch();
}
