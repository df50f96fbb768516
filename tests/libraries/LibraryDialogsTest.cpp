// The library chooser, the folder browser and the password dialog.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <filesystem>

#include "QlmGuiTestApp.h"
#include "QlmOpenDialog.h"
#include "QlmTempDir.h"
#include "libraries/CDialogImpLibPassword.h"
#include "libraries/CDialogSelImpLib.h"
#include "libraries/CFolderDialog.h"
#include "platform/CQlmScriptedPrompter.h"

namespace {

class LibraryDialogsFixture : public ::testing::Test {
protected:
  void SetUp() override { QlmGuiTestApp::Instance(); }
};

QListWidget* ChooserList(CDialogSelImpLib& dialog) {
  return qobject_cast<QListWidget*>(dialog.FindControl(CDialogSelImpLib::ListID));
}

TEST_F(LibraryDialogsFixture, TheChooserListsTheNamesSortedAndOnlyOkChoosesOne) {
  CStringArray names;
  for (const char* name : {"Titanio", "ancora", "Cone Morse", "Ápice"}) names.Add(name);
  struct Case {
    const char* Name;
    const CStringArray* Names;
    const char* Select;  // null: nothing selected
    UINT Button;
    INT_PTR Result;
    const char* Chosen;
  };
  const CStringArray none;
  const Case cases[] = {{"OK", &names, "Cone Morse", IDOK, IDOK, "Cone Morse"},
                        {"Cancel", &names, "Cone Morse", IDCANCEL, IDCANCEL, ""},
                        {"OK without a selection", &names, nullptr, IDOK, IDOK, ""},
                        {"no library", &none, nullptr, IDOK, IDOK, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    CDialogSelImpLib dialog;
    dialog.Names = c.Names;
    std::vector<std::string> shown;
    std::string title;
    const INT_PTR result = QlmOpenDialog::Run(dialog, [&] {
      dialog.GetSafeHwnd()->show();
      QListWidget* list = ChooserList(dialog);
      for (int row = 0; row < list->count(); ++row) shown.push_back(list->item(row)->text().toStdString());
      title = dialog.GetSafeHwnd()->windowTitle().toStdString();
      if (c.Select) list->setCurrentItem(list->findItems(c.Select, Qt::MatchExactly).front());
      QTest::keyClick(list, c.Button == IDOK ? Qt::Key_Return : Qt::Key_Escape);
    });
    EXPECT_EQ(result, c.Result);
    EXPECT_EQ(dialog.ChosenName, CString(c.Chosen));
    EXPECT_EQ(title, "Biblioteca de Implantes");
    if (c.Names == &names) {
      EXPECT_EQ(shown, (std::vector<std::string>{"ancora", "Ápice", "Cone Morse", "Titanio"}));
    } else {
      EXPECT_TRUE(shown.empty());
    }
  }
}

TEST_F(LibraryDialogsFixture, TheFolderBrowserAnswersOkCancelOrNoFolder) {
  QlmTempDir folder;
  const std::string existing = folder.Path().string();
  struct Case {
    std::string Answer;
    INT_PTR Result;
    std::string Path;
  };
  const Case cases[] = {{existing, IDOK, existing}, {"", IDCANCEL, ""}, {existing + "/nada", -1, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Answer);
    CQlmScriptedPrompter prompter;
    prompter.QueueFolder(c.Answer);
    CFolderDialog dialog("Exportar Bibliotecas para:", nullptr, nullptr, 1);
    EXPECT_EQ(dialog.DoModal(), c.Result);
    EXPECT_EQ(dialog.GetFolderPath(), CString(c.Path));
    ASSERT_EQ(prompter.FolderChoices.size(), 1u);
    EXPECT_EQ(prompter.FolderChoices[0].first, CString("Exportar Bibliotecas para:"));
    EXPECT_EQ(prompter.FolderChoices[0].second, CString());
  }
  CQlmScriptedPrompter prompter;
  CFolderDialog start("Pasta", existing.c_str());
  EXPECT_EQ(start.DoModal(), IDCANCEL);
  EXPECT_EQ(prompter.FolderChoices.at(0).second, CString(existing));
}

QLineEdit* PasswordField(CDialogImpLibPassword& dialog) {
  return qobject_cast<QLineEdit*>(dialog.FindControl(CDialogImpLibPassword::EditID));
}

TEST_F(LibraryDialogsFixture, ThePasswordIsMaskedHandedOverOnceAndLeavesNoTrace) {
  const char* secret = "Senh@Secreta42";
  testing::internal::CaptureStderr();
  CDialogImpLibPassword dialog;
  QString left = "unread";
  bool masked = false;
  bool copyable = true;
  const INT_PTR result = QlmOpenDialog::Run(dialog, [&] {
    dialog.GetSafeHwnd()->show();
    QLineEdit* field = PasswordField(dialog);
    EXPECT_EQ(dialog.GetSafeHwnd()->windowTitle(), QString("Senha Requerida"));
    QTest::keyClicks(field, secret);
    masked = field->echoMode() == QLineEdit::Password && field->displayText() != QString(secret);
    copyable = field->dragEnabled();
    QTest::keyClick(field, Qt::Key_Return);
    left = field->text();
  });
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_EQ(result, IDOK);
  EXPECT_TRUE(masked);
  EXPECT_FALSE(copyable);
  EXPECT_TRUE(left.isEmpty());
  EXPECT_EQ(errors.find(secret), std::string::npos);
  EXPECT_EQ(dialog.TakePassword(), CString(secret));
  EXPECT_EQ(dialog.TakePassword(), CString());
}

TEST_F(LibraryDialogsFixture, EscapeGivesCancelAndAnEmptyPassword) {
  CDialogImpLibPassword dialog;
  QString left = "unread";
  const INT_PTR result = QlmOpenDialog::Run(dialog, [&] {
    dialog.GetSafeHwnd()->show();
    QLineEdit* field = PasswordField(dialog);
    QTest::keyClicks(field, "meio digitada");
    QTest::keyClick(field, Qt::Key_Escape);
    left = field->text();
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_TRUE(left.isEmpty());
  EXPECT_EQ(dialog.TakePassword(), CString());
}

}  // namespace
