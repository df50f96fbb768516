#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include "QlmGuiTestApp.h"
#include "platform/gui/CDialog.h"
#include "platform/gui/CPrintDialog.h"

namespace {

constexpr int WatchdogResult = 99;

class TestDialog : public CDialog {
public:
  explicit TestDialog(bool endAtInit = false) : CDialog(219), EndAtInit(endAtInit) {}
  bool Initialised = false;

protected:
  BOOL OnInitDialog() override {
    this->Initialised = true;
    if (this->EndAtInit) this->EndDialog(IDCANCEL);
    return TRUE;
  }

private:
  bool EndAtInit;
};

// Ends a dialog that a broken test would leave open; stops with the test.
struct Watchdog {
  explicit Watchdog(CDialog& dialog) {
    Timer.setSingleShot(true);
    QObject::connect(&Timer, &QTimer::timeout, [&dialog] { dialog.EndDialog(WatchdogResult); });
    Timer.start(3000);
  }
  QTimer Timer;
};

// Acts on the dialog once it shows.
struct AfterShowing {
  explicit AfterShowing(std::function<void(QWidget*)> action) {
    Timer.setSingleShot(true);
    QObject::connect(&Timer, &QTimer::timeout, [action] { action(QApplication::activeModalWidget()); });
    Timer.start(50);
  }
  QTimer Timer;
};

TEST(CDialog, EndingDuringInitialisationSkipsTheModalLoop) {
  QlmGuiTestApp::Instance();
  TestDialog dialog(true);
  Watchdog watchdog(dialog);
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
}

TEST(CDialog, TheModalHookDecidesAfterInitialisation) {
  QlmGuiTestApp::Instance();
  bool sawInitialised = false;
  CDialog::SetModalHook([&sawInitialised](CDialog& shown) {
    sawInitialised = static_cast<TestDialog&>(shown).Initialised;
    return INT_PTR(7);
  });
  TestDialog dialog;
  EXPECT_EQ(dialog.DoModal(), 7);
  EXPECT_TRUE(sawInitialised);
  CDialog::SetModalHook(nullptr);
}

TEST(CDialog, EnterEscapeAndTheCloseButtonEndTheRealLoop) {
  QlmGuiTestApp::Instance();
  struct Case {
    std::function<void(QWidget*)> Act;
    int Result;
  };
  const Case cases[] = {
      {[](QWidget* shown) { QTest::keyClick(shown, Qt::Key_Return); }, IDOK},
      {[](QWidget* shown) { QTest::keyClick(shown, Qt::Key_Escape); }, IDCANCEL},
      {[](QWidget* shown) { shown->close(); }, IDCANCEL},
  };
  for (const Case& test : cases) {
    TestDialog dialog;
    Watchdog watchdog(dialog);
    AfterShowing act(test.Act);
    EXPECT_EQ(dialog.DoModal(), test.Result);
  }
}

// The print set-up form is a modal dialog like any other: the hook answers
// it, and in the real loop its own buttons give OK and Cancel.
TEST(CPrintDialog, RunsAsAModalDialogWithItsOwnButtons) {
  QlmGuiTestApp::Instance();
  std::vector<UINT> shown;
  CDialog::SetModalHook([&shown](CDialog& dialog) {
    shown.push_back(dialog.GetTemplateID());
    return INT_PTR(IDCANCEL);
  });
  CPrintDialog hooked(TRUE);
  EXPECT_EQ(hooked.DoModal(), IDCANCEL);
  EXPECT_EQ(shown, std::vector<UINT>{CPrintDialog::SetupTemplate});
  CDialog::SetModalHook(nullptr);

  const std::pair<void (QDialog::*)(), int> cases[] = {{&QDialog::accept, IDOK}, {&QDialog::reject, IDCANCEL}};
  for (const auto& [press, result] : cases) {
    CPrintDialog dialog(TRUE);
    Watchdog watchdog(dialog);
    AfterShowing act([press = press](QWidget* form) {
      if (auto* modal = qobject_cast<QDialog*>(form)) (modal->*press)();
    });
    EXPECT_EQ(dialog.DoModal(), result);
  }
}

}  // namespace
