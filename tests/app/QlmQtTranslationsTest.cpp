// Qt's own dialogs in Portuguese once Qt's translations are installed: the
// file dialog the program opens and the question before a file is replaced.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTimer>

#include "QlmGuiTestApp.h"
#include "app/QlmQtTranslations.h"
#include "platform/gui/CQlmQtPrompter.h"

namespace {

TEST(QlmQtTranslations, QtsOwnDialogsSpeakPortuguese) {
  QApplication& application = QlmGuiTestApp::Instance();
  ASSERT_TRUE(QlmQtTranslations::Install(application));

  QStringList texts;
  QTimer::singleShot(0, [&texts] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) texts << button->text();
    for (const QLabel* label : dialog->findChildren<QLabel*>()) texts << label->text();
    dialog->close();
  });
  CQlmQtPrompter prompter;
  EXPECT_EQ(prompter.ChooseOpenFile("Abrir", CString(), "Quillmar|*.qlm||"), CString());
  for (const char* portuguese : {"&Abrir", "Cancelar", "Procurar em:", "&Nome do arquivo:", "Arquivos do tipo:"}) {
    EXPECT_TRUE(texts.contains(QString::fromUtf8(portuguese)))
        << portuguese << " in " << texts.join(" | ").toStdString();
  }
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?").toStdString(),
            "%1 já existe.\nDeseja substituí-la?");
}

}  // namespace
