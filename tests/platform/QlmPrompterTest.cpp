#include "platform/CQlmScriptedPrompter.h"

#include <gtest/gtest.h>

TEST(CQlmScriptedPrompter, RecordsTextsAndAnswersAsScripted) {
  CQlmScriptedPrompter prompter;
  prompter.QueueAnswer(QlmAnswer::Yes);
  prompter.QueueFile("/tmp/a.qlm");

  EXPECT_EQ(QlmMessageBox("Deseja salvar as alterações?", "Atenção", QlmButtons::YesNoCancel, QlmIcon::Question),
            QlmAnswer::Yes);
  EXPECT_EQ(CQlmPrompter::Current().ChooseOpenFile("Abrir Planejamento", "", "*.qlm"), CString("/tmp/a.qlm"));
  // Nothing scripted: the safe answer, counted, never blocking.
  EXPECT_EQ(QlmMessageBox("Sair?", "Atenção", QlmButtons::YesNo), QlmAnswer::No);
  EXPECT_EQ(CQlmPrompter::Current().ChooseSaveFile("Salvar", "", ""), CString());

  ASSERT_EQ(prompter.Messages.size(), 2u);
  EXPECT_EQ(prompter.Messages[0].Text, CString("Deseja salvar as alterações?"));
  EXPECT_EQ(prompter.Messages[0].Caption, CString("Atenção"));
  EXPECT_EQ(prompter.Messages[0].Icon, QlmIcon::Question);
  EXPECT_EQ(prompter.Unscripted, 2);
}

TEST(CQlmScriptedPrompter, RestoresThePreviousPrompter) {
  CQlmPrompter* before = &CQlmPrompter::Current();
  {
    CQlmScriptedPrompter outer;
    {
      CQlmScriptedPrompter inner;
      EXPECT_EQ(&CQlmPrompter::Current(), &inner);
    }
    EXPECT_EQ(&CQlmPrompter::Current(), &outer);
  }
  EXPECT_EQ(&CQlmPrompter::Current(), before);
}
