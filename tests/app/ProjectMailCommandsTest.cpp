// The send, request, notes and exam-information commands on the sample
// project in a main frame: the project mailed through Debian's aiosmtpd on
// loopback (STARTTLS, a throw-away certificate, the login of the
// configuration the test writes), the form typed with real key events; the
// request and the notes stored in the project; failed saves that stop both
// commands.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QJsonArray>
#include <QJsonObject>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <map>

#include "ProjectFrameFixture.h"
#include "QlmBytes.h"
#include "QlmMailConfig.h"
#include "QlmMailParser.h"
#include "QlmSmtpPeer.h"
#include "QlmTestData.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmConfig.h"
#include "output/CDialogSendFriend.h"
#include "project/CQlmRequestInfo.h"

namespace {

constexpr UINT SendProjectCommand = 32987;
constexpr UINT RequestCommand = 33135;
constexpr UINT NotesCommand = 33132;
constexpr UINT ExamInfoCommand = 32790;

// The ten strings of a request, in index order.
constexpr const char* RequestTexts[] = {"José",
                                        "Dr. Paulo",
                                        "Rua C, 3",
                                        "Recife",
                                        "PE",
                                        "Brasil",
                                        "50000-000",
                                        "81 2222-0000",
                                        "paulo@consultorio.test",
                                        "Guia para 36 e 46"};

QWidget* Control(CDialog& dialog, UINT id) { return dialog.FindControl(id); }

void Press(CDialog& dialog, UINT id) {
  QTest::mouseClick(qobject_cast<QAbstractButton*>(Control(dialog, id)), Qt::LeftButton);
}

// Clicks into the control and types `text` key by key.
void TypeKeys(CDialog& dialog, UINT id, const char* text) {
  QWidget* edit = Control(dialog, id);
  QTest::mouseClick(edit, Qt::LeftButton);
  if (auto* line = qobject_cast<QLineEdit*>(edit)) line->selectAll();
  if (auto* lines = qobject_cast<QPlainTextEdit*>(edit)) lines->selectAll();
  // Qt's key table knows ASCII only: other letters go as key events that carry their text.
  for (const QChar letter : QString::fromUtf8(text)) {
    if (letter.unicode() < 0x80) {
      QTest::keyClick(edit, letter.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(letter), Qt::NoModifier);
    }
  }
}

class ProjectMailCommands : public ProjectFrameFixture {
protected:
  void SetUp() override {
    ProjectFrameFixture::SetUp();
    if (this->IsSkipped()) return;
    // Each dialog by its template: the test's action, or Cancel.
    CDialog::SetModalHook([this](CDialog& dialog) {
      this->ModalDialogs.push_back(dialog.GetTemplateID());
      auto action = this->Actions.find(dialog.GetTemplateID());
      if (action == this->Actions.end()) return INT_PTR(IDCANCEL);
      action->second(dialog);
      return dialog.IsEnded() ? INT_PTR(IDCANCEL) : INT_PTR(-5);
    });
  }

  std::vector<CString> Texts() const {
    std::vector<CString> texts;
    for (const auto& shown : this->Prompter.Messages) texts.push_back(shown.Text);
    return texts;
  }

  std::map<UINT, std::function<void(CDialog&)>> Actions;
};

QlmSmtpPeer::Options StartTlsPeer() {
  QlmSmtpPeer::Options options;
  options.security = "starttls";
  options.requireStartTls = true;
  options.authRequired = true;
  return options;
}

}  // namespace

TEST_F(ProjectMailCommands, SendCommandMailsTheSavedSampleProject) {
  QLM_REQUIRE_TEST_DATA(QlmTestData::CraniumMatrix);
  QlmSmtpPeer peer{StartTlsPeer()};
  if (peer.Port() == 0) GTEST_SKIP() << peer.Why();
  QlmMailConfig::Values values;
  values.port = std::to_string(peer.Port());
  values.security = "starttls";
  values.mailbox = QlmSmtpPeer::User;
  values.password = QlmSmtpPeer::Password;
  values.caFile = QlmSmtpPeer::CertificateFile();
  QlmMailConfig config(values);

  const std::string sample = SampleFile("Amostra.qlm");
  auto frame = Start(sample);
  CQlmQuorvantile& q = *frame->GetController();
  ASSERT_EQ(q.ProjectOpen, 1);
  q.Modified = 1;
  this->ModalDialogs.clear();

  std::vector<size_t> refusals;
  this->Actions[209] = [&](CDialog& form) {
    TypeKeys(form, 1022, "José");
    TypeKeys(form, 1005, "Ana");
    TypeKeys(form, 1021, "ana@clinica.test");
    TypeKeys(form, 1023, "bruno@consultorio.test");
    Press(form, IDOK);  // the recipient's name is empty
    refusals.push_back(this->Prompter.Messages.size());
    TypeKeys(form, 1008, "Bruno");
    QApplication::clipboard()->setText("bruno@consultorio.test\nbcc@outro.test");
    QWidget* address = Control(form, 1023);
    QTest::mouseClick(address, Qt::LeftButton);
    qobject_cast<QLineEdit*>(address)->selectAll();
    QTest::keyClick(address, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(form.GetSafeHwnd(), Qt::Key_Return);  // Enter presses "Enviar"
    refusals.push_back(this->Prompter.Messages.size());
    TypeKeys(form, 1023, "bruno@consultorio.test");
    QTest::keyClick(form.GetSafeHwnd(), Qt::Key_Return);
  };
  std::vector<int> positions;
  CString sizeShown;
  this->Actions[220] = [&](CDialog& sending) {
    auto* bar = qobject_cast<QProgressBar*>(Control(sending, 1160));
    sizeShown = sending.GetDlgItemText(1161);
    const char* picture = std::getenv("QLM_MAIL_SCREENSHOT");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!sending.IsEnded() && std::chrono::steady_clock::now() < deadline) {
      QlmGuiTestApp::Wait(2);
      if (positions.empty() || positions.back() != bar->value()) positions.push_back(bar->value());
      if (picture && bar->value() >= 30 && bar->value() <= 80) {
        sending.GetSafeHwnd()->grab().save(picture);
        picture = nullptr;
      }
    }
  };
  frame->RunCommand(SendProjectCommand);

  EXPECT_EQ(this->ModalDialogs, (std::vector<UINT>{209, 220}));
  EXPECT_EQ(refusals, (std::vector<size_t>{1, 2}));
  EXPECT_EQ(this->Texts(),
            (std::vector<CString>{"Os campos com '*' são obrigatórios", "Endereço de email inválido",
                                  "Esse projeto será salvo agora!", "O email foi enviado com sucesso."}));
  EXPECT_EQ(q.Modified, 0);
  const QlmBytes::Bytes bytes = QlmBytes::ReadFile(sample);
  const std::string saved(bytes.begin(), bytes.end());
  EXPECT_EQ(sizeShown, CDialogSendFriend::FormatMegabytes(static_cast<long long>(saved.size())));
  ASSERT_FALSE(positions.empty());
  EXPECT_EQ(positions.back(), 100);

  const std::vector<std::string> messages = peer.Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(peer.Envelope(0)["encrypted"].toBool());
  const QJsonObject summary = QlmMailParser::Parse(messages[0]);
  EXPECT_TRUE(summary["defects"].toArray().isEmpty());
  EXPECT_TRUE(summary["onlyCrlf"].toBool());
  EXPECT_EQ(summary["subject"].toString(), "Enviando Projeto do Quorvantile por Ana Paciente : José");
  EXPECT_EQ(summary["from"][0]["name"].toString(), "Ana");
  EXPECT_EQ(summary["from"][0]["address"].toString(), QlmSmtpPeer::User);
  const QJsonArray parts = summary["parts"].toArray();
  ASSERT_EQ(parts.size(), 2);
  EXPECT_EQ(parts[0]["text"].toString().toStdString(),
            "Por gentileza, não reencaminhe esse email.\r\n\r\n\r\nBruno (bruno@consultorio.test) \r\n"
            "O seu amigo(a) Ana (ana@clinica.test) , lhe enviou um projeto do Quorvantile Comentários : \r\n");
  EXPECT_EQ(parts[1]["filename"].toString(), "Amostra.qlm");
  EXPECT_EQ(parts[1]["sha256"].toString().toStdString(), QlmMailParser::Sha256(saved));
}

TEST_F(ProjectMailCommands, WithoutAMailServerNothingIsAskedOrSent) {
  QLM_REQUIRE_TEST_DATA(QlmTestData::CraniumMatrix);
  QlmMailConfig::Clear();
  auto frame = Start(SampleFile("Amostra.qlm"));
  this->ModalDialogs.clear();
  frame->RunCommand(SendProjectCommand);
  EXPECT_TRUE(this->ModalDialogs.empty());
  EXPECT_EQ(this->Texts(), std::vector<CString>{"O envio de email não está configurado."});
}

// A save that fails stops both commands after its message.
TEST_F(ProjectMailCommands, AFailedSaveSendsNothingAndAsksNobodyToSend) {
  QLM_REQUIRE_TEST_DATA(QlmTestData::CraniumMatrix);
  QlmMailConfig::Values values;
  values.port = "1";
  QlmMailConfig config(values);
  auto frame = Start(SampleFile("Amostra.qlm"));
  CQlmQuorvantile& q = *frame->GetController();
  q.ProjectPath = Files.File("sem-pasta/Amostra.qlm").c_str();
  this->ModalDialogs.clear();
  this->Actions[209] = [](CDialog& form) {
    for (UINT id : {1022u, 1005u, 1021u, 1008u, 1023u}) form.SetDlgItemText(id, "a@b.test");
    Press(form, IDOK);
  };
  this->Actions[160] = [](CDialog& form) {
    for (UINT id : {1022u, 1005u, 1006u, 1024u, 1015u, 1016u, 1017u, 1023u, 1021u}) form.SetDlgItemText(id, "x");
    Press(form, IDOK);
  };
  frame->RunCommand(SendProjectCommand);
  frame->RunCommand(RequestCommand);
  EXPECT_EQ(this->ModalDialogs, (std::vector<UINT>{209, 160}));
  EXPECT_EQ(this->Texts(), (std::vector<CString>{"Esse projeto será salvo agora!", "Erro ao salvar Amostra.qlm",
                                                 "Erro ao salvar Amostra.qlm"}));
}

TEST_F(ProjectMailCommands, RequestAndNotesAreStoredInTheProject) {
  QLM_REQUIRE_TEST_DATA(QlmTestData::CraniumMatrix);
  ::setenv("QLM_SUPPORT_ADDRESS", "guias@quillmar.test", 1);
  const std::string sample = SampleFile("Amostra.qlm");
  {
    auto frame = Start(sample);
    CQlmQuorvantile& q = *frame->GetController();
    q.RequestInfo->Texts[15] = "da geração anterior";
    const UINT edits[] = {1022, 1005, 1006, 1024, 1015, 1016, 1017, 1023, 1021, 1007};
    this->Actions[160] = [&](CDialog& form) {
      for (int i = 0; i < 10; ++i) TypeKeys(form, edits[i], RequestTexts[i]);
      Press(form, IDOK);
    };
    this->Actions[268] = [](CDialog& notes) {
      TypeKeys(notes, 1202, "Paciente alérgico.");
      QTest::keyClick(Control(notes, 1202), Qt::Key_Return);
      QTest::keyClicks(Control(notes, 1202), "Rever em 30 dias.");
      Press(notes, 1207);
      Press(notes, IDOK);
    };
    frame->RunCommand(RequestCommand);
    EXPECT_EQ(this->Texts(), (std::vector<CString>{"Para completar sua solicitação envie\no arquivo Quorvantile para o "
                                                   "email:\nguias@quillmar.test"}));
    EXPECT_EQ(this->Prompter.Messages[0].Caption, "Guia/Protótipo");
    EXPECT_EQ(this->Prompter.Messages[0].Icon, QlmIcon::Information);
    CString remembered[8];
    ASSERT_EQ(ReadConfigSendEmail(remembered), 1);
    EXPECT_EQ(remembered[0], "Dr. Paulo");
    frame->RunCommand(NotesCommand);
    EXPECT_EQ(q.Modified, 1);
    EXPECT_EQ(q.NotesFlag, 1);
    ASSERT_EQ(q.SaveProject(q.ProjectPath, q.ProjectFileName), 1);
  }
  ::unsetenv("QLM_SUPPORT_ADDRESS");
  this->Actions.clear();
  auto frame = Start(sample);
  CQlmQuorvantile& q = *frame->GetController();
  for (int i = 0; i < 10; ++i) EXPECT_EQ(q.RequestInfo->Texts[i], RequestTexts[i]) << i;
  EXPECT_EQ(q.RequestInfo->Texts[15], "");
  EXPECT_EQ(q.Notes.Str(), "Paciente alérgico.\r\nRever em 30 dias.");
  EXPECT_EQ(q.NotesFlag, 1);

  // The exam information shows the volume's slice count; nothing comes back.
  CString slices;
  this->Actions[159] = [&](CDialog& info) { slices = info.GetDlgItemText(1020); };
  frame->RunCommand(ExamInfoCommand);
  EXPECT_FALSE(slices.IsEmpty());
  EXPECT_EQ(q.Modified, 0);
}
