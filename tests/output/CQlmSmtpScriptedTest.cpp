#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "QlmMailFixtures.h"
#include "QlmMailParser.h"
#include "QlmPeerProcess.h"
#include "QlmScriptedSmtpServer.h"
#include "QlmTempDir.h"
#include "output/CBase64.h"
#include "output/CQlmMimeMessage.h"
#include "output/CQlmObserverTransfer.h"
#include "output/CQlmSmtp.h"

namespace {

using Server = QlmScriptedSmtpServer;
using Script = std::vector<Server::Step>;
using Clock = std::chrono::steady_clock;

constexpr char User[] = "planejamento@clinica.test";
constexpr char Password[] = "s3nh@-Secreta!";

std::string Base64(const std::string& text) {
  CBase64 codec;
  codec.Encode(text);
  return codec.GetEncoded();
}

Script operator+(Script a, const Script& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Greeting and EHLO with the given extension lines (each "250-..." but the last).
Script Greeting(const std::string& extensions = "250-8BITMIME\r\n250 HELP\r\n") {
  return {Server::Send("220 peer.test ESMTP\r\n"), Server::Expect("EHLO "),
          Server::Send("250-peer.test\r\n" + extensions)};
}

// MAIL FROM, one RCPT TO, DATA and QUIT, all accepted.
Script Delivery() {
  return {Server::Expect("MAIL FROM:<ana@clinica.test>"),
          Server::Send("250 2.1.0 Ok\r\n"),
          Server::Expect("RCPT TO:<jose@clinica.test>"),
          Server::Send("250 2.1.5 Ok\r\n"),
          Server::Expect("DATA"),
          Server::Send("354 End data with <CR><LF>.<CR><LF>\r\n"),
          Server::ReadData(),
          Server::Send("250 2.0.0 Ok: queued\r\n"),
          Server::Expect("QUIT"),
          Server::Send("221 2.0.0 Bye\r\n")};
}

// The login the scripted server asks for with these prompts, accepted.
Script Login(const std::string& first, const std::string& second, const std::string& firstAnswer,
             const std::string& secondAnswer) {
  return {Server::Expect("AUTH LOGIN"),         Server::Send("334 " + Base64(first) + "\r\n"),
          Server::Expect(Base64(firstAnswer)),  Server::Send("334 " + Base64(second) + "\r\n"),
          Server::Expect(Base64(secondAnswer)), Server::Send("235 2.7.0 Authentication successful\r\n")};
}

Script ClassicLogin() { return Login("Username:", "Password:", User, Password); }

// A client that records its notifications.
class RecordingSmtp : public CQlmSmtp {
public:
  std::vector<std::pair<size_t, size_t>> Progress;
  std::vector<int> Warnings;
  std::vector<int> Errors;
  std::vector<std::string> Replies;
  int WarningAnswer = 0;

protected:
  int OnWarning(int code, const CString& text) override {
    this->Warnings.push_back(code);
    CQlmSmtp::OnWarning(code, text);
    return this->WarningAnswer;
  }
  int OnError(int code, const CString& text) override {
    this->Errors.push_back(code);
    return CQlmSmtp::OnError(code, text);
  }
  void OnTrace(const CString& command, int code, const CString& reply) override {
    this->Replies.push_back(reply.Str());
    CQlmSmtp::OnTrace(command, code, reply);
  }
  int OnProgress(std::string_view data, size_t sent, size_t total) override {
    this->Progress.emplace_back(sent, total);
    return CQlmSmtp::OnProgress(data, sent, total);
  }
};

class PositionObserver : public CQlmObserverTransfer {
public:
  std::vector<int> Positions;
  void SetPos(int position) override { this->Positions.push_back(position); }
};

// The message before dot-stuffing: the stream without its last line and with
// the dot that starts a line halved.
std::string Unstuffed(const std::string& stream) {
  std::string message;
  size_t first = 0;
  for (size_t end; (end = stream.find("\r\n", first)) != std::string::npos; first = end + 2) {
    const std::string line = stream.substr(first, end - first);
    if (line == ".") break;
    message += (line.starts_with(".") ? line.substr(1) : line) + "\r\n";
  }
  return message;
}

class CQlmSmtpScriptedTest : public testing::Test {
protected:
  CQlmMimeMessage Message(const char* body = "Bom dia.\nSegue o projeto.") const {
    CQlmMimeMessage message;
    message.sender = CQlmMailbox("ana@clinica.test", "Ana Souza");
    message.recipient = CQlmMailbox("jose@clinica.test", "José da Silva");
    message.subject = "Projeto";
    message.time = QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7));
    message.zoneOffset = -300;
    message.textParts.emplace_back(body, "text/plain", "iso-8859-1", CQlmMimeMessage::ChooseFromData);
    return message;
  }

  void Configure(CQlmSmtp& client, int port, const char* user = "", int timeoutSeconds = 2) const {
    CQlmSmtpSettings settings;
    settings.port = port;
    settings.user = user;
    settings.password = Password;
    settings.timeoutSeconds = timeoutSeconds;
    client.SetSettings(settings);
  }

  QlmTempDir Folder;
};

struct Dialogue {
  const char* name;
  Script script;
  std::string ehloReply;
};

void PrintTo(const Dialogue& c, std::ostream* os) { *os << c.name; }

class ReplyShapes : public CQlmSmtpScriptedTest, public testing::WithParamInterface<Dialogue> {};

TEST_P(ReplyShapes, WholeRepliesKeepTheDialogueInStep) {
  Server server(GetParam().script);
  RecordingSmtp client;
  this->Configure(client, server.Port());
  ASSERT_EQ(client.Connect("127.0.0.1"), 1) << client.GetErrorText().Str();
  ASSERT_GE(client.Replies.size(), 2u);
  EXPECT_EQ(client.Replies[1], GetParam().ehloReply);
  CQlmMimeMessage message = this->Message();
  EXPECT_EQ(client.Send(message), 0) << client.GetErrorText().Str();
  client.Close();
  server.WaitUntilDone();
  EXPECT_EQ(server.Mismatch(), "");
  EXPECT_EQ(server.Lines().size(), 5u);
  EXPECT_TRUE(client.Errors.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ReplyShapes,
    testing::Values(Dialogue{"MultiLineInOnePiece", Greeting() + Delivery(),
                             "250-peer.test\r\n250-8BITMIME\r\n250 HELP"},
                    Dialogue{"MultiLineDripFed",
                             Script{Server::Drip("220 peer.test ESMTP\r\n", 1), Server::Expect("EHLO "),
                                    Server::Drip("250-peer.test\r\n250-8BITMIME\r\n250 HELP\r\n", 2)} +
                                 Delivery(),
                             "250-peer.test\r\n250-8BITMIME\r\n250 HELP"},
                    Dialogue{"BareLineFeeds",
                             Script{Server::Send("220 peer.test ESMTP\n"), Server::Expect("EHLO "),
                                    Server::Send("250-peer.test\n250 HELP\n"), Server::Expect("MAIL FROM:"),
                                    Server::Send("250 Ok\n"), Server::Expect("RCPT TO:"), Server::Send("250 Ok\n"),
                                    Server::Expect("DATA"), Server::Send("354 go\n"), Server::ReadData(),
                                    Server::Send("250 queued\n"), Server::Expect("QUIT"), Server::Send("221 Bye\n")},
                             "250-peer.test\r\n250 HELP"}),
    [](const testing::TestParamInfo<Dialogue>& info) { return info.param.name; });

struct Silence {
  const char* name;
  Script script;
  bool connects;
};

void PrintTo(const Silence& c, std::ostream* os) { *os << c.name; }

class SilentServer : public CQlmSmtpScriptedTest, public testing::WithParamInterface<Silence> {};

TEST_P(SilentServer, EveryWaitEndsAtTheTimeOut) {
  Server server(GetParam().script);
  RecordingSmtp client;
  this->Configure(client, server.Port(), "", 1);
  const auto start = Clock::now();
  ASSERT_EQ(client.Connect("127.0.0.1"), GetParam().connects ? 1 : 0);
  if (GetParam().connects) {
    CQlmMimeMessage message = this->Message();
    EXPECT_EQ(client.Send(message), -1);
    EXPECT_EQ(client.IsConnected(), 0);
    client.Close();
  }
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(4));
  EXPECT_EQ(client.GetErrorText().Str(), "O servidor de email não respondeu no tempo limite (1 s).");
}

INSTANTIATE_TEST_SUITE_P(
    Waits, SilentServer,
    testing::Values(Silence{"Greeting", {}, false},
                    Silence{"HalfAGreeting", {Server::Send("220-peer.test\r\n220 pron")}, false},
                    Silence{"MailFrom", Greeting() + Script{Server::Expect("MAIL FROM:")}, true},
                    Silence{"EndOfData",
                            Greeting() + Script{Server::Expect("MAIL FROM:"), Server::Send("250 Ok\r\n"),
                                                Server::Expect("RCPT TO:"), Server::Send("250 Ok\r\n"),
                                                Server::Expect("DATA"), Server::Send("354 go\r\n"), Server::ReadData()},
                            true}),
    [](const testing::TestParamInfo<Silence>& info) { return info.param.name; });

TEST_F(CQlmSmtpScriptedTest, NoCommandFollowsAReplyThatNeverCame) {
  Server server(Greeting() + Script{Server::Expect("MAIL FROM:"), Server::Send("250 Ok\r\n"),
                                    Server::Expect("RCPT TO:<jose@"), Server::Send("250 Ok\r\n"),
                                    Server::Expect("RCPT TO:<maria@"), Server::ReadToEnd()});
  RecordingSmtp client;
  this->Configure(client, server.Port(), "", 1);
  ASSERT_EQ(client.Connect("127.0.0.1"), 1);
  CQlmMimeMessage message = this->Message();
  message.furtherRecipients.emplace_back("maria@clinica.test", nullptr);
  EXPECT_EQ(client.Send(message), -1);
  client.Close();
  server.WaitUntilDone();
  EXPECT_EQ(server.DataStreams(), std::vector<std::string>{""});
}

struct Malformed {
  const char* name;
  std::string greeting;
  const char* error;
};

void PrintTo(const Malformed& c, std::ostream* os) { *os << c.name; }

class MalformedReply : public CQlmSmtpScriptedTest, public testing::WithParamInterface<Malformed> {};

TEST_P(MalformedReply, EndsTheConnectionWithAClearMessage) {
  Server server({Server::Send(GetParam().greeting), Server::Close()});
  RecordingSmtp client;
  this->Configure(client, server.Port());
  EXPECT_EQ(client.Connect("127.0.0.1"), 0);
  EXPECT_EQ(client.GetErrorText().Str(), GetParam().error);
  EXPECT_EQ(client.Errors, std::vector<int>{-1});
}

const char* const Invalid = "O servidor de email deu uma resposta inválida.";
const char* const Closed = "A conexão com o servidor de email foi fechada.";

INSTANTIATE_TEST_SUITE_P(
    Replies, MalformedReply,
    testing::Values(Malformed{"ShortCode", "22\r\n", Invalid}, Malformed{"Letters", "abc\r\n", Invalid},
                    Malformed{"EmptyLine", "\r\n", Invalid}, Malformed{"BadSeparator", "220x\r\n", Invalid},
                    Malformed{"EndlessLine", "220 " + std::string(100000, 'a') + "\r\n", Invalid},
                    Malformed{"EndlessReply",
                              [] {
                                std::string lines;
                                for (int i = 0; i < 20000; ++i) lines += "220-linha\r\n";
                                return lines;
                              }(),
                              Invalid},
                    Malformed{"NulBytes", std::string("2\0\0 x\r\n", 7), Invalid},
                    Malformed{"ClosedMidReply", "220-peer.test\r\n", Closed},
                    Malformed{"ClosedWithoutLineEnd", "220 peer", Closed}, Malformed{"Nothing", "", Closed}),
    [](const testing::TestParamInfo<Malformed>& info) { return info.param.name; });

TEST_F(CQlmSmtpScriptedTest, ConnectionClosedDuringDataEndsSendWithoutASignal) {
  const std::string path =
      QlmMailFixtures::WriteFile(this->Folder, "grande.qlm", QlmMailFixtures::ProjectBytes(8 << 20));
  Server server(Greeting() + Script{Server::Expect("MAIL FROM:"), Server::Send("250 Ok\r\n"),
                                    Server::Expect("RCPT TO:"), Server::Send("250 Ok\r\n"), Server::Expect("DATA"),
                                    Server::Send("354 go\r\n"), Server::ReadBytes(100000), Server::Close()});
  RecordingSmtp client;
  this->Configure(client, server.Port());
  ASSERT_EQ(client.Connect("127.0.0.1"), 1);
  CQlmMimeMessage message = this->Message();
  message.attachments.emplace_back(path.c_str(), nullptr, 0, nullptr, nullptr, 0);
  EXPECT_EQ(client.Send(message), -1);
  EXPECT_EQ(client.IsConnected(), 0);
  EXPECT_NE(client.GetErrorText().Find("fechada"), -1) << client.GetErrorText().Str();
  client.Close();
}

struct Relogin {
  const char* name;
  const char* user;
  Script script;
  int result;
  const char* error;
  int logins;
};

void PrintTo(const Relogin& c, std::ostream* os) { *os << c.name; }

class LoginAfter530 : public CQlmSmtpScriptedTest, public testing::WithParamInterface<Relogin> {};

TEST_P(LoginAfter530, LogsInAgainAtMostOnce) {
  Server server(GetParam().script);
  RecordingSmtp client;
  this->Configure(client, server.Port(), GetParam().user);
  ASSERT_EQ(client.Connect("127.0.0.1"), 1);
  CQlmMimeMessage message = this->Message();
  EXPECT_EQ(client.Send(message), GetParam().result);
  EXPECT_EQ(client.GetErrorText().Str(), GetParam().error);
  client.Close();
  server.WaitUntilDone();
  EXPECT_EQ(server.Mismatch(), "");
  const auto lines = server.Lines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "AUTH LOGIN"), GetParam().logins);
}

const char* const Needed = "O servidor de email exige autenticação. (530 5.7.0 Authentication required)";
const Script Refused530{Server::Expect("MAIL FROM:"), Server::Send("530 5.7.0 Authentication required\r\n")};
const Script Quit{Server::Expect("QUIT"), Server::Send("221 Bye\r\n")};

INSTANTIATE_TEST_SUITE_P(Servers, LoginAfter530,
                         testing::Values(Relogin{"WithoutUser", "", Greeting() + Refused530 + Quit, 530, Needed, 0},
                                         Relogin{"LoginAcceptedButStill530", User,
                                                 Greeting("250 AUTH LOGIN\r\n") + ClassicLogin() + Refused530 +
                                                     ClassicLogin() + Refused530 + Quit,
                                                 530, Needed, 2},
                                         Relogin{
                                             "LoginAfterTheFirst530", User,
                                             Greeting("250 AUTH LOGIN\r\n") +
                                                 Script{Server::Expect("AUTH LOGIN"), Server::Send("503 Not now\r\n")} +
                                                 Refused530 + ClassicLogin() + Delivery(),
                                             0, "", 2}),
                         [](const testing::TestParamInfo<Relogin>& info) { return info.param.name; });

struct Prompts {
  const char* name;
  std::string first;
  std::string second;
  std::string firstAnswer;
  std::string secondAnswer;
};

void PrintTo(const Prompts& c, std::ostream* os) { *os << c.name; }

class LoginPrompts : public CQlmSmtpScriptedTest, public testing::WithParamInterface<Prompts> {};

TEST_P(LoginPrompts, AreAnsweredWhateverTheirCaseOrWording) {
  const Prompts& prompts = GetParam();
  Server server(Greeting("250 AUTH LOGIN\r\n") +
                Login(prompts.first, prompts.second, prompts.firstAnswer, prompts.secondAnswer) + Delivery());
  RecordingSmtp client;
  this->Configure(client, server.Port(), User);
  ASSERT_EQ(client.Connect("127.0.0.1"), 1);
  CQlmMimeMessage message = this->Message();
  EXPECT_EQ(client.Send(message), 0) << client.GetErrorText().Str();
  client.Close();
  server.WaitUntilDone();
  EXPECT_EQ(server.Mismatch(), "");
}

INSTANTIATE_TEST_SUITE_P(Wordings, LoginPrompts,
                         testing::Values(Prompts{"Classic", "Username:", "Password:", User, Password},
                                         Prompts{"LowerAndUpperCase", "username:", "PASSWORD:", User, Password},
                                         Prompts{"PasswordFirst", "Password:", "Username:", Password, User},
                                         Prompts{"OtherWording", std::string("User Name\0", 10),
                                                 std::string("Password\0", 9), User, Password},
                                         Prompts{"UnknownWording", "Identidade", "Chave", User, Password}),
                         [](const testing::TestParamInfo<Prompts>& info) { return info.param.name; });

TEST_F(CQlmSmtpScriptedTest, RefusedPasswordIsTriedAgainOnlyWhenOnWarningAsksAndOnlyOnce) {
  const Script refused{
      Server::Expect("AUTH LOGIN"),     Server::Send("334 VXNlcm5hbWU6\r\n"),
      Server::Expect(Base64(User)),     Server::Send("334 UGFzc3dvcmQ6\r\n"),
      Server::Expect(Base64(Password)), Server::Send("535 5.7.8 Authentication credentials invalid\r\n")};
  for (const int answer : {0, 1}) {
    Server server(Greeting("250 AUTH LOGIN\r\n") + refused + (answer == 1 ? refused : Script{}) +
                  Script{Server::Expect("QUIT"), Server::Send("221 Bye\r\n")});
    RecordingSmtp client;
    client.WarningAnswer = answer;
    this->Configure(client, server.Port(), User);
    EXPECT_EQ(client.Connect("127.0.0.1"), 1) << "a refused login does not fail the connection";
    EXPECT_EQ(client.GetErrorText().Str(),
              "O servidor de email recusou o usuário ou a senha. (535 5.7.8 Authentication credentials invalid)");
    client.Close();
    server.WaitUntilDone();
    EXPECT_EQ(server.Mismatch(), "") << "answer " << answer;
    EXPECT_EQ(client.Warnings, std::vector<int>(answer + 1, 535));
  }
}

struct Hello {
  const char* name;
  int tryExtended;
  Script script;
};

void PrintTo(const Hello& c, std::ostream* os) { *os << c.name; }

class HeloGreeting : public CQlmSmtpScriptedTest, public testing::WithParamInterface<Hello> {};

TEST_P(HeloGreeting, NamesTheComputerAndSkipsTheLogin) {
  Server server(GetParam().script + Delivery());
  RecordingSmtp client;
  this->Configure(client, server.Port(), User);
  client.SetTryExtended(GetParam().tryExtended);
  ASSERT_EQ(client.Connect("127.0.0.1"), 1) << client.GetErrorText().Str();
  EXPECT_EQ(client.IsExtended(), 0);
  CQlmMimeMessage message = this->Message();
  EXPECT_EQ(client.Send(message), 0);
  client.Close();
  server.WaitUntilDone();
  EXPECT_EQ(server.Mismatch(), "");
  const auto lines = server.Lines();
  const auto helo =
      std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("HELO "); });
  ASSERT_NE(helo, lines.end());
  if (GetParam().tryExtended) {
    EXPECT_EQ(lines[0].substr(4), helo->substr(4));
  }
  EXPECT_GT(helo->size(), 5u);
}

INSTANTIATE_TEST_SUITE_P(Servers, HeloGreeting,
                         testing::Values(Hello{"EhloRefused",
                                               1,
                                               {Server::Send("220 peer.test\r\n"), Server::Expect("EHLO "),
                                                Server::Send("502 5.5.1 Command not implemented\r\n"),
                                                Server::Expect("HELO "), Server::Send("250 peer.test\r\n")}},
                                         Hello{"EhloNotTried",
                                               0,
                                               {Server::Send("220 peer.test\r\n"), Server::Expect("HELO "),
                                                Server::Send("250 peer.test\r\n")}}),
                         [](const testing::TestParamInfo<Hello>& info) { return info.param.name; });

struct EightBit {
  const char* name;
  std::string extensions;
  const char* mailFrom;
  const char* encoding;
};

void PrintTo(const EightBit& c, std::ostream* os) { *os << c.name; }

class EightBitMime : public CQlmSmtpScriptedTest, public testing::WithParamInterface<EightBit> {};

TEST_P(EightBitMime, EightBitOnlyWhenTheServerOffersIt) {
  const char* body = ".oculto\nPor gentileza, não reencaminhe esse email.\na.b\n..dois";
  Server server(Greeting(GetParam().extensions) +
                Script{Server::Expect(GetParam().mailFrom), Server::Send("250 Ok\r\n"), Server::Expect("RCPT TO:"),
                       Server::Send("250 Ok\r\n"), Server::Expect("DATA"), Server::Send("354 go\r\n"),
                       Server::ReadData(), Server::Send("250 queued\r\n")} +
                Quit);
  RecordingSmtp client;
  this->Configure(client, server.Port());
  ASSERT_EQ(client.Connect("127.0.0.1"), 1);
  CQlmMimeMessage message = this->Message(body);
  EXPECT_EQ(client.Send(message), 0);
  client.Close();
  server.WaitUntilDone();
  EXPECT_EQ(server.Mismatch(), "");
  EXPECT_EQ(server.Lines()[1], GetParam().mailFrom);
  ASSERT_EQ(server.DataStreams().size(), 1u);
  const std::string stream = server.DataStreams()[0];
  // Dots are doubled on the wire only: the first line of the part too, a dot inside a line not.
  EXPECT_NE(stream.find("\r\n\r\n..oculto\r\n"), std::string::npos) << stream;
  EXPECT_TRUE(stream.ends_with("\r\na.b\r\n...dois\r\n.\r\n")) << stream;
  const QJsonObject summary = QlmMailParser::Parse(Unstuffed(stream));
  EXPECT_TRUE(summary["defects"].toArray().isEmpty());
  const QJsonObject part = summary["parts"][0].toObject();
  EXPECT_EQ(part["encoding"].toString().toStdString(), GetParam().encoding);
  EXPECT_EQ(part["text"].toString().toStdString(), CQlmMimeMessage::NormaliseLineEnds(body) + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(Servers, EightBitMime,
                         testing::Values(EightBit{"Offered", "250-8BITMIME\r\n250 HELP\r\n",
                                                  "MAIL FROM:<ana@clinica.test> BODY=8BITMIME", "8bit"},
                                         EightBit{"NotOffered", "250 HELP\r\n", "MAIL FROM:<ana@clinica.test>",
                                                  "quoted-printable"}),
                         [](const testing::TestParamInfo<EightBit>& info) { return info.param.name; });

TEST_F(CQlmSmtpScriptedTest, ProgressAfterEachPieceOfACommandLongerThan1024Bytes) {
  const std::vector<std::pair<size_t, std::vector<std::pair<size_t, size_t>>>> cases = {
      {1024, {}}, {1025, {{1024, 1025}, {1025, 1025}}}, {2049, {{1024, 2049}, {2048, 2049}, {2049, 2049}}}};
  for (const auto& [streamSize, progress] : cases) {
    // A 7bit body of short lines: the stream is the composed text, its line end and ".\r\n".
    std::string body;
    CQlmMimeMessage message;
    for (size_t size = 0; size != streamSize;) {
      body += body.size() % 40 == 39 ? '\n' : 'x';
      message = this->Message(body.c_str());
      CString text;
      message.Compose(text, false);
      size = text.GetLength() + 2 + 3;
      ASSERT_LE(size, streamSize);
    }
    Server server(Greeting("250 HELP\r\n") + Delivery());
    RecordingSmtp client;
    PositionObserver observer;
    client.SetObserver(&observer);
    this->Configure(client, server.Port());
    ASSERT_EQ(client.Connect("127.0.0.1"), 1);
    EXPECT_EQ(client.Send(message), 0);
    client.Close();
    server.WaitUntilDone();
    ASSERT_EQ(server.DataStreams().size(), 1u);
    EXPECT_EQ(server.DataStreams()[0].size(), streamSize);
    EXPECT_EQ(client.Progress, progress) << streamSize;
    if (!progress.empty()) {
      EXPECT_EQ(observer.Positions.back(), 100);
    }
  }
}

TEST_F(CQlmSmtpScriptedTest, CancelledTransferEndsSendAndSendsNoQuit) {
  std::string body;
  for (int i = 0; i < 2000; ++i) body += "linha de texto do projeto\n";
  Server server(Greeting() + Script{Server::Expect("MAIL FROM:"), Server::Send("250 Ok\r\n"),
                                    Server::Expect("RCPT TO:"), Server::Send("250 Ok\r\n"), Server::Expect("DATA"),
                                    Server::Send("354 go\r\n"), Server::ReadToEnd()});
  RecordingSmtp client;
  PositionObserver observer;
  observer.Cancel();
  client.SetObserver(&observer);
  this->Configure(client, server.Port());
  ASSERT_EQ(client.Connect("127.0.0.1"), 1);
  CQlmMimeMessage message = this->Message(body.c_str());
  EXPECT_EQ(client.Send(message), -1);
  EXPECT_EQ(client.GetErrorText().Str(), "Envio cancelado.");
  EXPECT_EQ(client.IsConnected(), 0);
  EXPECT_EQ(client.Progress.size(), 1u);
  client.Close();
  server.WaitUntilDone();
  // One piece went out before the cancel; nothing follows it, no QUIT either.
  ASSERT_EQ(server.DataStreams().size(), 1u);
  EXPECT_EQ(server.DataStreams()[0].size(), 1024u);
}

struct Refusal {
  const char* name;
  void (*spoil)(CQlmMimeMessage& message);
  const char* error;
};

void PrintTo(const Refusal& c, std::ostream* os) { *os << c.name; }

class RefusedBeforeAnyCommand : public CQlmSmtpScriptedTest, public testing::WithParamInterface<Refusal> {};

TEST_P(RefusedBeforeAnyCommand, LeavesTheServerUntouched) {
  Server server(Greeting() + Quit);
  RecordingSmtp client;
  this->Configure(client, server.Port());
  ASSERT_EQ(client.Connect("127.0.0.1"), 1);
  CQlmMimeMessage message = this->Message();
  GetParam().spoil(message);
  EXPECT_EQ(client.Send(message), -1);
  EXPECT_EQ(client.GetErrorText().Str(), GetParam().error);
  EXPECT_EQ(client.IsConnected(), 1);
  client.Close();
  server.WaitUntilDone();
  EXPECT_EQ(server.Mismatch(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Messages, RefusedBeforeAnyCommand,
    testing::Values(
        Refusal{"NoSender", [](CQlmMimeMessage& m) { m.sender.address.Empty(); },
                "A mensagem não tem remetente ou destinatário."},
        Refusal{"NoRecipient", [](CQlmMimeMessage& m) { m.recipient.address.Empty(); },
                "A mensagem não tem remetente ou destinatário."},
        Refusal{"InjectedSender", [](CQlmMimeMessage& m) { m.sender.address = "ana@clinica.test>\r\nRCPT TO:<x@y"; },
                "Endereço de email inválido: \"ana@clinica.test>  RCPT TO:<x@y\"."},
        Refusal{"BlankInHiddenRecipient",
                [](CQlmMimeMessage& m) { m.hiddenRecipients.emplace_back("arquivo @clinica.test", nullptr); },
                "Endereço de email inválido: \"arquivo @clinica.test\"."},
        Refusal{"MissingAttachment",
                [](CQlmMimeMessage& m) {
                  m.attachments.emplace_back("/nao/existe/Amostra.qlm", nullptr, 0, nullptr, nullptr, 0);
                },
                "Não foi possível ler o anexo /nao/existe/Amostra.qlm."}),
    [](const testing::TestParamInfo<Refusal>& info) { return info.param.name; });

TEST_F(CQlmSmtpScriptedTest, ClosedPortAndMissingHostFailToConnect) {
  RecordingSmtp client;
  this->Configure(client, QlmPeerProcess::ClosedPort());
  EXPECT_EQ(client.Connect("127.0.0.1"), 0);
  EXPECT_TRUE(
      client.GetErrorText().Str().starts_with("Não foi possível conectar ao servidor de email 127.0.0.1, porta "))
      << client.GetErrorText().Str();
  EXPECT_EQ(client.Connect(""), 0);
  EXPECT_EQ(client.GetErrorText().Str(), "O servidor de email não foi configurado.");
  EXPECT_TRUE(client.Errors.empty());
}

}  // namespace
