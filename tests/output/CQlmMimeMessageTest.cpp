#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

#include "QlmMailFixtures.h"
#include "QlmMailParser.h"
#include "QlmTempDir.h"
#include "output/CQlmMimeMessage.h"

namespace {

using QlmMailFixtures::ProjectBytes;

std::vector<std::string> Strings(const QJsonValue& array) {
  std::vector<std::string> strings;
  for (const QJsonValue& value : array.toArray()) strings.push_back(value.toString().toStdString());
  return strings;
}

std::vector<std::string> LeafField(const QJsonObject& summary, const char* field) {
  std::vector<std::string> values;
  for (const QJsonValue& part : summary["parts"].toArray()) values.push_back(part[field].toString().toStdString());
  return values;
}

class CQlmMimeMessageTest : public testing::Test {
protected:
  // A message as the project mail makes it, dated 9:05:07 on 8 December 2026, three hours west of UTC.
  CQlmMimeMessage Message() const {
    CQlmMimeMessage message;
    message.sender = CQlmMailbox("projetos@quorvantile.test", "Ana Souza");
    message.recipient = CQlmMailbox("jose@clinica.test", "José da Silva");
    message.subject = "Enviando Projeto do Quorvantile por Ana Paciente : José";
    message.time = QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7));
    message.zoneOffset = -300;
    return message;
  }

  std::string WriteFile(const std::string& name, const std::string& bytes) const {
    return QlmMailFixtures::WriteFile(this->Folder, name, bytes);
  }

  // Composes and reads the result back with Python, which must find no defect.
  QJsonObject ComposeAndParse(CQlmMimeMessage& message, std::string& text, bool eightBitAllowed = true) {
    CString output;
    EXPECT_TRUE(message.Compose(output, eightBitAllowed));
    text = output.Str();
    const QJsonObject summary = QlmMailParser::Parse(text);
    EXPECT_FALSE(summary.contains("error")) << summary["error"].toString().toStdString();
    EXPECT_TRUE(summary["defects"].toArray().isEmpty()) << Strings(summary["defects"]).front() << "\n" << text;
    EXPECT_TRUE(summary["onlyCrlf"].toBool());
    EXPECT_LE(summary["longestLine"].toInt(), 998);
    return summary;
  }

  QlmTempDir Folder;
};

struct Shape {
  const char* name;
  int texts;
  bool attachment;
  bool missingAttachment;
  std::vector<std::string> containers;
  std::vector<std::string> leaves;
};

void PrintTo(const Shape& c, std::ostream* os) { *os << c.name; }

class BodyShape : public CQlmMimeMessageTest, public testing::WithParamInterface<Shape> {};

TEST_P(BodyShape, ComposesTheStructureAMailReaderExpects) {
  const Shape& shape = GetParam();
  CQlmMimeMessage message = this->Message();
  const char* texts[] = {"Por gentileza, não reencaminhe esse email.\n\nComentários : implante 36",
                         "<p>Por gentileza, n&atilde;o reencaminhe.</p>"};
  const char* types[] = {"text/plain", "text/html"};
  for (int i = 0; i < shape.texts; ++i) {
    message.textParts.emplace_back(texts[i], types[i], "iso-8859-1", CQlmMimeMessage::ChooseFromData);
  }
  const std::string project = ProjectBytes(5000);
  if (shape.attachment) {
    message.attachments.emplace_back(this->WriteFile("Amostra.qlm", project).c_str(), nullptr, 0, nullptr, "iso-8859-1",
                                     CQlmMimeMessage::ChooseFromData);
  }
  if (shape.missingAttachment) {
    message.attachments.emplace_back(this->Folder.File("Ausente.qlm").c_str(), nullptr, 0, nullptr, "iso-8859-1",
                                     CQlmMimeMessage::ChooseFromData);
  }

  std::string text;
  const QJsonObject summary = this->ComposeAndParse(message, text);
  EXPECT_EQ(Strings(summary["multipart"]), shape.containers);
  EXPECT_EQ(LeafField(summary, "type"), shape.leaves);
  const bool multipart = !shape.containers.empty();
  EXPECT_EQ(text.find("This is a multipart message in MIME format") != std::string::npos, multipart);
  for (int i = 0; i < shape.texts; ++i) {
    EXPECT_EQ(LeafField(summary, "text")[i], CQlmMimeMessage::NormaliseLineEnds(texts[i]));
  }
  if (shape.attachment) {
    const QJsonObject file = summary["parts"].toArray().last().toObject();
    EXPECT_EQ(file["sha256"].toString().toStdString(), QlmMailParser::Sha256(project));
    EXPECT_EQ(file["filename"].toString(), "Amostra.qlm");
    EXPECT_EQ(file["disposition"].toString(), "attachment");
    EXPECT_EQ(file["encoding"].toString(), "base64");
  }
  if (multipart) {
    EXPECT_TRUE(std::regex_search(text, std::regex("\r\n--CQlmSmtpMsgPart123X456_000_[0-9A-F]{8}--\r\n$")));
  } else {
    EXPECT_NE(text.find("MIME-Version: 1.0\r\nContent-Type: text/plain;\r\n\tcharset=\"iso-8859-1\"\r\n"),
              std::string::npos);
  }
  EXPECT_EQ(text.find("Ausente"), std::string::npos);
  EXPECT_EQ(message.GetSkippedAttachments().size(), shape.missingAttachment ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, BodyShape,
    testing::Values(Shape{"OnePart", 1, false, false, {}, {"text/plain"}},
                    Shape{"Mixed", 1, true, false, {"multipart/mixed"}, {"text/plain", "application/octet-stream"}},
                    Shape{"Alternative", 2, false, false, {"multipart/alternative"}, {"text/plain", "text/html"}},
                    Shape{"Both",
                          2,
                          true,
                          false,
                          {"multipart/mixed", "multipart/alternative"},
                          {"text/plain", "text/html", "application/octet-stream"}},
                    // Counted as a part, but nothing of it is written.
                    Shape{"MissingAttachment", 1, false, true, {"multipart/mixed"}, {"text/plain"}}),
    [](const testing::TestParamInfo<Shape>& info) { return info.param.name; });

TEST_F(CQlmMimeMessageTest, FreshHeaderReadsInTheFixedOrderAndKeepsWhatTheCallerSet) {
  CQlmMimeMessage message = this->Message();
  message.messageId = "20261208090507.1@quorvantile.test";
  message.textParts.emplace_back("a", "text/plain", "iso-8859-1", 0);
  message.textParts.emplace_back("b", "text/plain", "iso-8859-1", 0);
  std::string text;
  QJsonObject summary = this->ComposeAndParse(message, text);
  const std::vector<std::string> order{"From",       "To",           "Subject",           "Date",
                                       "Importance", "X-Mailer",     "X-MSMail-Priority", "X-Priority",
                                       "Message-ID", "MIME-Version", "Content-Type"};
  EXPECT_EQ(Strings(summary["headers"]), order);
  EXPECT_EQ(message.multipartKind, CQlmMimeMessage::Alternative);

  CQlmMimeMessage caller = this->Message();
  caller.AddHeader("X-Priority", "1 (Highest)");
  caller.AddHeader("Subject", "antigo");
  caller.AddHeader("X-Clinica", "Centro");
  this->ComposeAndParse(caller, text);
  EXPECT_NE(text.find("X-Priority: 1 (Highest)\r\n"), std::string::npos);
  EXPECT_EQ(text.find("3 (Normal)"), std::string::npos);
  EXPECT_EQ(text.find("antigo"), std::string::npos);
  EXPECT_LT(text.find("MIME-Version"), text.find("X-Clinica: Centro"));
}

struct Zone {
  int offset;
  const char* date;
  int minutes;
};

void PrintTo(const Zone& c, std::ostream* os) { *os << c.date; }

class DateZone : public CQlmMimeMessageTest, public testing::WithParamInterface<Zone> {};

TEST_P(DateZone, DateCarriesTwoDigitHoursAndItsZone) {
  CQlmMimeMessage message = this->Message();
  message.zoneOffset = GetParam().offset;
  std::string text;
  const QJsonObject summary = this->ComposeAndParse(message, text);
  EXPECT_NE(text.find(std::string("Date: ") + GetParam().date + "\r\n"), std::string::npos) << text;
  ASSERT_TRUE(summary["utcOffsetMinutes"].isDouble()) << "no zone read from " << text;
  EXPECT_EQ(summary["utcOffsetMinutes"].toInt(), GetParam().minutes);
}

INSTANTIATE_TEST_SUITE_P(Zones, DateZone,
                         testing::Values(Zone{-300, "Tue, 8 Dec 2026 09:05:07 -0300", -180},
                                         Zone{0, "Tue, 8 Dec 2026 09:05:07 +0000", 0},
                                         Zone{530, "Tue, 8 Dec 2026 09:05:07 +0530", 330}));

TEST_F(CQlmMimeMessageTest, MessageMadeNowCarriesTheLocalZone) {
  CQlmMimeMessage message;
  const int minutes = message.time.offsetFromUtc() / 60;
  EXPECT_EQ(message.zoneOffset, minutes / 60 * 100 + minutes % 60);
}

TEST_F(CQlmMimeMessageTest, NamesAndSubjectReadBackAsTheyWereTyped) {
  CQlmMimeMessage message = this->Message();
  message.furtherRecipients.emplace_back("maria@clinica.test", "Maria \"Ortodontia\" Lima");
  message.furtherRecipients.emplace_back("raul@clinica.test", nullptr);
  message.hiddenRecipients.emplace_back("arquivo@clinica.test", "Arquivo");
  message.subject =
      "Enviando Projeto do Quorvantile por Ana Paciente : José Conceição " + CString(std::string(60, 'x'));
  std::string text;
  const QJsonObject summary = this->ComposeAndParse(message, text);
  EXPECT_EQ(summary["from"][0]["name"].toString(), "Ana Souza");
  EXPECT_EQ(summary["from"][0]["address"].toString(), "projetos@quorvantile.test");
  const QJsonArray to = summary["to"].toArray();
  ASSERT_EQ(to.size(), 3);
  EXPECT_EQ(to[0]["name"].toString(), "José da Silva");
  EXPECT_EQ(to[1]["name"].toString(), "Maria \"Ortodontia\" Lima");
  EXPECT_EQ(to[2]["address"].toString(), "raul@clinica.test");
  EXPECT_EQ(summary["subject"].toString().toStdString(), message.subject.Str());
  EXPECT_EQ(text.find("arquivo@"), std::string::npos);
  EXPECT_LE(summary["longestLine"].toInt(), 78);
}

TEST_F(CQlmMimeMessageTest, LineBreaksInNamesOrSubjectAddNoHeader) {
  CQlmMimeMessage message = this->Message();
  message.sender.name = "Ana\r\nBcc: espiao@fora.test";
  message.recipient.name = "Jos\xC3\xA9\nBcc: espiao@fora.test";
  message.subject = "Projeto\r\nBcc: espiao@fora.test";
  std::string text;
  const QJsonObject summary = this->ComposeAndParse(message, text);
  for (const std::string& name : Strings(summary["headers"])) EXPECT_NE(name, "Bcc");
  EXPECT_EQ(summary["from"][0]["name"].toString(), "Ana  Bcc: espiao@fora.test");
  EXPECT_EQ(summary["subject"].toString(), "Projeto  Bcc: espiao@fora.test");
}

TEST_F(CQlmMimeMessageTest, AddressesThatWouldBreakTheHeaderAreRefused) {
  const char* addresses[] = {"ana souza@c.test", "ana\r\nBcc: x@c.test", "ana@c.test\n",  "<ana@c.test>",
                             "ana@c.test>",      "\"ana\"@c.test",       "ana,b@c.test",  "ana;b@c.test",
                             "ana:b@c.test",     "ana\\b@c.test",        "[ana]@c.test",  "(ana)@c.test",
                             "ana\t@c.test",     "jos\xC3\xA9@c.test",   "ana\x7F@c.test"};
  for (const char* address : addresses) {
    for (int field = 0; field < 4; ++field) {
      CQlmMimeMessage message = this->Message();
      CQlmMailbox* mailboxes[] = {&message.sender, &message.recipient, &message.furtherRecipients.emplace_back(),
                                  &message.hiddenRecipients.emplace_back()};
      for (int other = 2; other < 4; ++other) mailboxes[other]->address = "ok@c.test";
      mailboxes[field]->address = address;
      CString output("old");
      EXPECT_FALSE(message.Compose(output)) << address << " in field " << field;
      EXPECT_TRUE(output.IsEmpty());
      EXPECT_EQ(message.FindInvalidMailbox(), mailboxes[field]);
    }
  }
  CQlmMimeMessage empty = this->Message();
  empty.furtherRecipients.emplace_back("", "Sem endereço");
  EXPECT_EQ(empty.FindInvalidMailbox(), &empty.furtherRecipients[0]);
  EXPECT_EQ(this->Message().FindInvalidMailbox(), nullptr);
}

struct Text {
  const char* name;
  std::string text;
  bool eightBitAllowed;
  const char* charset;
  const char* encoding;
};

void PrintTo(const Text& c, std::ostream* os) { *os << c.name; }

class TextPart : public CQlmMimeMessageTest, public testing::WithParamInterface<Text> {};

TEST_P(TextPart, ReadsBackAsTheProgramsText) {
  CQlmMimeMessage message = this->Message();
  message.textParts.emplace_back(GetParam().text.c_str(), "text/plain", "iso-8859-1", 0);
  std::string composed;
  const QJsonObject summary = this->ComposeAndParse(message, composed, GetParam().eightBitAllowed);
  const QJsonObject part = summary["parts"][0].toObject();
  EXPECT_EQ(part["charset"].toString().toStdString(), GetParam().charset);
  EXPECT_EQ(part["encoding"].toString().toStdString(), GetParam().encoding);
  EXPECT_EQ(part["text"].toString().toStdString(), CQlmMimeMessage::NormaliseLineEnds(GetParam().text));
}

const std::string Body =
    "Por gentileza, não reencaminhe esse email.\n\n\nJosé (jose@clinica.test) \nComentários : \n.ponto";

INSTANTIATE_TEST_SUITE_P(
    Texts, TextPart,
    testing::Values(Text{"Latin1EightBit", Body, true, "iso-8859-1", "8bit"},
                    Text{"Latin1WithoutEightBitMime", Body, false, "iso-8859-1", "quoted-printable"},
                    Text{"NoLatin1Form", "Orçamento: 1.200 € por implante, a combinar na consulta.", true, "utf-8",
                         "8bit"},
                    Text{"Ascii", "Bom dia.\n.\nAte logo.", true, "iso-8859-1", "7bit"},
                    Text{"LongLine", std::string(40, 'a') + " " + std::string(200, 'b') + " fim", true, "iso-8859-1",
                         "quoted-printable"},
                    Text{"MostlyLetters", "ção ção ção", true, "iso-8859-1", "base64"}),
    [](const testing::TestParamInfo<Text>& info) { return info.param.name; });

TEST_F(CQlmMimeMessageTest, FilesKeepTheirBytesNamesAndTypes) {
  CQlmMimeMessage message = this->Message();
  message.textParts.emplace_back("Segue o projeto.", "text/plain", "iso-8859-1", 0);
  const std::string project = ProjectBytes(70000);
  const std::string notes = "linha 1\nlinha 2\n";
  const std::string bytesWithNul = std::string("ABC\0DEF", 7) + std::string(100, 'x');
  message.attachments.emplace_back(this->WriteFile("Projeto José.qlm", project).c_str(), nullptr, 0, nullptr,
                                   "iso-8859-1", 0);
  message.attachments.emplace_back(this->WriteFile("notas.txt", notes).c_str(), nullptr, 1, nullptr, "iso-8859-1", 0);
  message.attachments.emplace_back(this->WriteFile("dados.bin", bytesWithNul).c_str(), "dados \"1\".bin", 0,
                                   "application/x-dados", nullptr, 0);
  std::string text;
  const QJsonObject summary = this->ComposeAndParse(message, text);
  const QJsonArray parts = summary["parts"].toArray();
  ASSERT_EQ(parts.size(), 4);
  struct Expected {
    const char* type;
    const char* filename;
    const char* disposition;
    std::string bytes;
  };
  const Expected expected[] = {{"application/octet-stream", "Projeto José.qlm", "attachment", project},
                               {"text/plain", "notas.txt", "inline", notes},
                               {"application/x-dados", "dados \"1\".bin", "attachment", bytesWithNul}};
  for (int i = 0; i < 3; ++i) {
    const QJsonObject part = parts[i + 1].toObject();
    EXPECT_EQ(part["type"].toString(), expected[i].type);
    EXPECT_EQ(part["filename"].toString(), expected[i].filename);
    EXPECT_EQ(part["disposition"].toString(), expected[i].disposition);
    EXPECT_EQ(part["sha256"].toString().toStdString(), QlmMailParser::Sha256(expected[i].bytes)) << i;
  }
}

}  // namespace
