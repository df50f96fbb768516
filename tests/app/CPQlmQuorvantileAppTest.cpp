#include <gtest/gtest.h>

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include "QlmGuiTestApp.h"
#include "app/CMainFrame.h"
#include "app/CPQlmQuorvantileApp.h"
#include "app/QlmResourceIds.h"
#include "platform/gui/CDialog.h"
#include "tests/support/QlmTempDir.h"

namespace {

// The program as it runs: the application object makes the frame, routes the
// commands of the Info menu and ends when the main window is closed.
TEST(CPQlmQuorvantileApp, RunsUntilTheMainWindowClosesAndRoutesTheInfoCommands) {
  QlmGuiTestApp::Instance();
  QlmTempDir appData;
  ::setenv("QLM_COMMON_APPDATA", appData.Path().c_str(), 1);
  ::setenv("QLM_MAKER_ADDRESS", "suporte.quillmar.example", 1);
  struct Shown {
    UINT Template;
    QStringList Labels;
  };
  std::vector<Shown> shown;
  CDialog::SetModalHook([&shown](CDialog& dialog) {
    QStringList labels;
    for (QLabel* label : dialog.GetSafeHwnd()->findChildren<QLabel*>()) labels << label->text();
    shown.push_back({dialog.GetTemplateID(), labels});
    return INT_PTR(IDCANCEL);
  });

  // A path the command line names but the program ignores: no open, no message.
  CPQlmQuorvantileApp app("/exames/a.prt");
  QStringList menus;
  QTimer driver;
  driver.setSingleShot(true);
  QObject::connect(&driver, &QTimer::timeout, [&] {
    auto* frame = static_cast<CMainFrame*>(AfxGetMainWnd());
    for (QAction* menu : frame->GetMainWindow()->menuBar()->actions()) menus << menu->text();
    EXPECT_EQ(frame->CommandLine, 1);
    frame->RunCommand(ID_APP_ABOUT);
    frame->RunCommand(ID_SHOW_SPLASH);
    frame->GetSafeHwnd()->close();
  });
  driver.start(50);
  EXPECT_EQ(app.Run(), 0);
  EXPECT_EQ(AfxGetMainWnd(), nullptr);

  EXPECT_EQ(menus, (QStringList{"&Arquivo", "&Edição", "&Visualizar", "&Reformatar", "&Ferramentas", "&Indicadores",
                                "I&mplantes", "OrtoImp", "Endo", "Dentes", "STLs", "Listas", "Guias", "Info"}));
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].Template, IDD_SPLASH);
  EXPECT_EQ(shown[1].Template, IDD_ABOUTBOX);
  EXPECT_TRUE(shown[1].Labels.contains("Quorvantile Quillmar Software"));
  EXPECT_TRUE(shown[1].Labels.contains("suporte.quillmar.example"));
  EXPECT_EQ(shown[2].Template, IDD_SPLASH);
  CDialog::SetModalHook(nullptr);
  ::unsetenv("QLM_COMMON_APPDATA");
  ::unsetenv("QLM_MAKER_ADDRESS");
}

}  // namespace
