// The send form and the sending dialog of the project mail without a mail
// server: the form's refusals, the texts of the message and the sends that
// fail before any connection.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTest>
#include <filesystem>
#include <string>

#include "QlmDialogDriver.h"
#include "QlmGuiTestApp.h"
#include "QlmMailConfig.h"
#include "QlmMailFixtures.h"
#include "QlmTempDir.h"
#include "output/CDialogSendFriend.h"
#include "output/CDialogSendProject.h"
#include "platform/CQlmScriptedPrompter.h"

using namespace QlmDialogDriver;

namespace {

constexpr const char* Obligatory = "Os campos com '*' são obrigatórios";
constexpr const char* BadAddress = "Endereço de email inválido";
constexpr const char* NotSent = "O email não foi enviado. Por favor, verifique a sua conecção.";

struct SendForm {
  const char* Patient = "José";
  const char* SenderName = "Ana";
  const char* SenderEmail = "ana@clinica.test";
  const char* RecipientName = "Bruno";
  const char* RecipientEmail = "bruno@consultorio.test";
  const char* Comments = "Veja o implante 36.";
};

class ProjectMailDialogs : public ::testing::Test {
protected:
  void SetUp() override { QlmGuiTestApp::Instance(); }
  CQlmScriptedPrompter Prompter;
};

}  // namespace

TEST_F(ProjectMailDialogs, SendFormRefusesEmptyFieldsBadAddressesAndBrokenNames) {
  struct Case {
    const char* Name;
    SendForm Form;
    const char* Refusal;  // null: accepted
  };
  auto with = [](auto change) {
    SendForm form;
    change(form);
    return form;
  };
  const Case cases[] = {
      {"complete", SendForm{}, nullptr},
      {"no comments", with([](SendForm& f) { f.Comments = ""; }), nullptr},
      {"no patient", with([](SendForm& f) { f.Patient = ""; }), Obligatory},
      {"no sender name", with([](SendForm& f) { f.SenderName = ""; }), Obligatory},
      {"no sender email", with([](SendForm& f) { f.SenderEmail = ""; }), Obligatory},
      {"no recipient name", with([](SendForm& f) { f.RecipientName = ""; }), Obligatory},
      {"no recipient email", with([](SendForm& f) { f.RecipientEmail = ""; }), Obligatory},
      {"address without @", with([](SendForm& f) { f.RecipientEmail = "bruno.consultorio.test"; }), BadAddress},
      {"address with two @", with([](SendForm& f) { f.SenderEmail = "ana@x@clinica.test"; }), BadAddress},
      {"address without domain", with([](SendForm& f) { f.SenderEmail = "ana@"; }), BadAddress},
      {"address without local part", with([](SendForm& f) { f.RecipientEmail = "@consultorio.test"; }), BadAddress},
      {"address with a blank", with([](SendForm& f) { f.RecipientEmail = "bruno @consultorio.test"; }), BadAddress},
      {"address with a line break",
       with([](SendForm& f) { f.RecipientEmail = "bruno@consultorio.test\r\nRCPT TO:<x@y.test>"; }), BadAddress},
      {"name with a line break", with([](SendForm& f) { f.SenderName = "Ana\nBcc: x@y.test"; }), BadAddress},
      {"patient with a tab", with([](SendForm& f) { f.Patient = "José\tSilva"; }), BadAddress},
  };
  for (const Case& c : cases) {
    this->Prompter.Messages.clear();
    CDialogSendProject form;
    form.SetPatientName(c.Form.Patient);
    const INT_PTR result = RunDialog(form, [&] {
      Type(form, 1005, c.Form.SenderName);
      Type(form, 1021, c.Form.SenderEmail);
      Type(form, 1008, c.Form.RecipientName);
      Type(form, 1023, c.Form.RecipientEmail);
      Type(form, 1007, c.Form.Comments);
      Press(form, IDOK);
    });
    if (!c.Refusal) {
      EXPECT_EQ(result, IDOK) << c.Name;
      EXPECT_TRUE(this->Prompter.Messages.empty()) << c.Name;
      EXPECT_EQ(form.GetPatientName(), c.Form.Patient);
      EXPECT_EQ(form.GetRecipientEmail(), c.Form.RecipientEmail);
      EXPECT_EQ(form.GetComments(), c.Form.Comments);
      continue;
    }
    EXPECT_EQ(result, QlmOpenDialog::StillOpen) << c.Name;
    ASSERT_EQ(this->Prompter.Messages.size(), 1u) << c.Name;
    EXPECT_EQ(this->Prompter.Messages[0].Text, c.Refusal) << c.Name;
    EXPECT_EQ(this->Prompter.Messages[0].Caption, "Atenção");
    EXPECT_EQ(this->Prompter.Messages[0].Icon, QlmIcon::Warning);
  }
}

// Comments of several lines come back with the line ends of the program's texts.
TEST_F(ProjectMailDialogs, SendFormCommentsKeepTheirLines) {
  CDialogSendProject form;
  form.SetPatientName("José");
  RunDialog(form, [&] {
    for (UINT id : {1005u, 1021u, 1008u, 1023u}) Type(form, id, "a@b.test");
    auto* comments = qobject_cast<QPlainTextEdit*>(Control(form, 1007));
    ASSERT_NE(comments, nullptr);
    QTest::keyClicks(comments, "linha 1");
    QTest::keyClick(comments, Qt::Key_Return);
    QTest::keyClicks(comments, "linha 2");
    Press(form, IDOK);
  });
  EXPECT_EQ(form.GetComments(), "linha 1\r\nlinha 2");
}

TEST_F(ProjectMailDialogs, MessageTextsNameSenderRecipientAndPatient) {
  CDialogSendFriend sending;
  sending.SetPatientName("José");
  sending.SetSenderName("Ana");
  sending.SetSenderEmail("ana@clinica.test");
  sending.SetRecipientName("Bruno");
  sending.SetRecipientEmail("bruno@consultorio.test");
  sending.SetComments("Veja o implante 36.");
  EXPECT_EQ(sending.BuildSubject(), "Enviando Projeto do Quorvantile por Ana Paciente : José");
  EXPECT_EQ(sending.BuildBody(),
            "Por gentileza, não reencaminhe esse email.\n\n\n"
            "Bruno (bruno@consultorio.test) \n"
            "O seu amigo(a) Ana (ana@clinica.test) , lhe enviou um projeto do Quorvantile "
            "Comentários : \nVeja o implante 36.");
}

TEST_F(ProjectMailDialogs, SizeInMegabytesWithTwoDecimals) {
  const std::pair<long long, const char*> cases[] = {
      {1572864, "1.50"}, {0, "0.00"}, {5242, "0.00"}, {10485760, "10.00"}, {48 * 1048576LL + 1, "48.00"}};
  for (const auto& [bytes, shown] : cases) EXPECT_EQ(CDialogSendFriend::FormatMegabytes(bytes), shown) << bytes;
}

// Nothing can be sent: the dialog ends by itself and says the mail did not go.
TEST_F(ProjectMailDialogs, SendingFailsWithoutAFileOrAConfiguration) {
  QlmTempDir folder;
  const std::string project = QlmMailFixtures::WriteFile(folder, "Amostra.qlm", QlmMailFixtures::ProjectBytes(3000));
  // A name that cannot be read as a file, whoever runs the test.
  std::filesystem::create_directory(folder.File("Pasta.qlm"));
  struct Case {
    const char* Name;
    std::string Path;
    bool Configured;
  };
  // A closed port on loopback: bound by nobody.
  QlmMailConfig::Values closed;
  closed.port = "1";
  for (const Case& c :
       {Case{"missing file", folder.File("Nenhum.qlm"), true}, Case{"unreadable file", folder.File("Pasta.qlm"), true},
        Case{"not configured", project, false}, Case{"closed port", project, true}}) {
    this->Prompter.Messages.clear();
    QlmMailConfig config(closed);
    if (!c.Configured) QlmMailConfig::Clear();
    CDialogSendFriend sending;
    sending.SetProjectPath(c.Path.c_str());
    sending.SetSenderName("Ana");
    sending.SetRecipientName("Bruno");
    sending.SetRecipientEmail("bruno@consultorio.test");
    EXPECT_EQ(sending.DoModal(), IDCANCEL) << c.Name;
    EXPECT_EQ(sending.GetSent(), 0) << c.Name;
    ASSERT_EQ(this->Prompter.Messages.size(), 1u) << c.Name;
    EXPECT_EQ(this->Prompter.Messages[0].Text, NotSent) << c.Name;
    EXPECT_EQ(this->Prompter.Messages[0].Caption, "Atenção");
  }
}
