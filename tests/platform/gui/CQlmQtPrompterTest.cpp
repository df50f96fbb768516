#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "QlmGuiTestApp.h"
#include "platform/gui/CQlmQtPrompter.h"

namespace {

TEST(CQlmQtPrompter, FiltersBecomeQtFilters) {
  QlmGuiTestApp::Instance();
  const std::pair<const char*, const char*> cases[] = {
      {"Projetos (*.qlm)|*.qlm|Todos (*.*)|*.*||", "Projetos (*.qlm);;Todos (*.*)"},
      {"Imagens|*.bmp;*.jpg||", "Imagens (*.bmp *.jpg)"},
      {"*.qlm", "*.qlm"},
      {"", ""},
  };
  for (const auto& [filter, expected] : cases)
    EXPECT_EQ(CQlmQtPrompter::ToQtFilter(filter), QString(expected)) << filter;
}

// Clicks the button with `text` on the box that opens next and records the box.
struct BoxClicker {
  QStringList Buttons;
  QString Caption, Text;
  QMessageBox::Icon Icon = QMessageBox::NoIcon;

  QTimer Timer;

  void ClickNext(const QString& text) {
    Timer.setSingleShot(true);
    Timer.start(20);
    QObject::connect(&Timer, &QTimer::timeout, [this, text] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      Caption = box->windowTitle();
      Text = box->text();
      Icon = box->icon();
      QAbstractButton* chosen = nullptr;
      for (QAbstractButton* button : box->buttons()) {
        Buttons << button->text();
        if (button->text() == text) chosen = button;
      }
      chosen ? chosen->click() : box->reject();
    });
  }
};

TEST(CQlmQtPrompter, MessageBoxesShowPortugueseButtonsAndReportTheChoice) {
  QlmGuiTestApp::Instance();
  struct Case {
    QlmButtons Buttons;
    const char* Click;
    QlmAnswer Answer;
    QStringList Shown;
  };
  const Case cases[] = {
      {QlmButtons::Ok, "OK", QlmAnswer::Ok, {"OK"}},
      {QlmButtons::OkCancel, "Cancelar", QlmAnswer::Cancel, {"OK", "Cancelar"}},
      {QlmButtons::YesNo, "Sim", QlmAnswer::Yes, {"Sim", "Não"}},
      {QlmButtons::YesNoCancel, "Não", QlmAnswer::No, {"Sim", "Não", "Cancelar"}},
  };
  CQlmQtPrompter prompter;
  for (const Case& test : cases) {
    BoxClicker clicker;
    clicker.ClickNext(QString::fromUtf8(test.Click));
    EXPECT_EQ(prompter.Message("Deseja salvar as alterações?", "Atenção", test.Buttons, QlmIcon::Question),
              test.Answer);
    QStringList shown = clicker.Buttons;
    shown.sort();
    QStringList expected = test.Shown;
    expected.sort();
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(clicker.Caption, QString::fromUtf8("Atenção"));
    EXPECT_EQ(clicker.Text, QString::fromUtf8("Deseja salvar as alterações?"));
    EXPECT_EQ(clicker.Icon, QMessageBox::Question);
  }
}

}  // namespace
