#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolButton>

#include "QlmGuiTestApp.h"
#include "platform/gui/CCmdUI.h"
#include "platform/gui/CFrameWnd.h"
#include "platform/gui/CStatusBar.h"
#include "platform/gui/CToolBar.h"
#include "platform/gui/CWinApp.h"

namespace {

constexpr UINT MenuResource = 900;
constexpr UINT Open = 100, Save = 101, Nothing = 102, Deep = 103;

class FrameFixture : public ::testing::Test {
protected:
  void SetUp() override {
    QlmGuiTestApp::Instance();
    QlmResource::Clear();
    QlmResource::RegisterMenu(
        MenuResource,
        {{"&Arquivo",
          0,
          {{"Abrir", Open, {}}, {"Salvar", Save, {}}, {}, {"Nada", Nothing, {}}, {"Mais", 0, {{"Fundo", Deep, {}}}}}}});
    QlmResource::RegisterAccelerators(MenuResource, {{"Ctrl+O", Open}});
    QlmResource::RegisterToolBar(MenuResource, {{Open, Save, ID_SEPARATOR, Nothing}, ""});
    QlmResource::RegisterString(Open, "Abrir Planejamento\nAbrir");
    QlmResource::RegisterString(AFX_IDS_IDLEMESSAGE, "Pronto");
    frame.MapCommand(Open, [this] { ++opened; });
    frame.MapCommand(Save, [this] { ++saved; });
    frame.MapCommand(Deep, [] {});
    frame.MapUpdateCommandUI(Save, [this](CCmdUI* ui) {
      ui->Enable(saveEnabled);
      ui->SetCheck(saveEnabled);
    });
    ASSERT_TRUE(frame.LoadFrame(MenuResource));
    ASSERT_TRUE(bar.CreateEx(&frame, TBSTYLE_FLAT, CBRS_ALIGN_TOP));
    ASSERT_TRUE(bar.LoadToolBar(MenuResource));
    frame.ShowWindow(SW_SHOW);
  }

  QAction* MenuEntry(UINT id) { return frame.GetMenu()->FindAction(id); }
  void ShowMenus() {
    for (QMenu* menu : frame.GetMenu()->AllMenus()) emit menu->aboutToShow();
  }

  CFrameWnd frame;
  CToolBar bar;
  int opened = 0;
  int saved = 0;
  bool saveEnabled = false;
};

TEST_F(FrameFixture, MenuEntriesAreUpdatedBeforeTheyShow) {
  ShowMenus();
  EXPECT_TRUE(MenuEntry(Open)->isEnabled());  // a command handler, no update handler
  EXPECT_FALSE(MenuEntry(Save)->isEnabled());
  EXPECT_FALSE(MenuEntry(Nothing)->isEnabled());  // no handler at all
  EXPECT_TRUE(MenuEntry(Deep)->isEnabled());

  saveEnabled = true;
  ShowMenus();
  EXPECT_TRUE(MenuEntry(Save)->isEnabled());
  EXPECT_TRUE(MenuEntry(Save)->isChecked());
}

TEST_F(FrameFixture, WithoutAutoMenuEnableEntriesWithoutHandlersStayEnabled) {
  frame.AutoMenuEnable = false;
  ShowMenus();
  EXPECT_TRUE(MenuEntry(Nothing)->isEnabled());
  EXPECT_FALSE(MenuEntry(Save)->isEnabled());  // update handlers still run
}

TEST_F(FrameFixture, ACommandRunsOnlyWhileItsUpdateHandlerEnablesIt) {
  MenuEntry(Save)->trigger();  // the entry is enabled, its handler says no
  EXPECT_EQ(saved, 0);
  saveEnabled = true;
  MenuEntry(Save)->trigger();
  EXPECT_EQ(saved, 1);
  MenuEntry(Open)->trigger();
  EXPECT_EQ(opened, 1);
}

TEST_F(FrameFixture, CommandsTheFrameLacksGoToTheApplication) {
  frame.RunCommand(0xE140);  // no application: nothing happens
  {
    CWinApp app;
    int about = 0;
    app.MapCommand(0xE140, [&about] { ++about; });
    frame.RunCommand(0xE140);
    EXPECT_EQ(about, 1);
  }
  EXPECT_EQ(AfxGetApp(), nullptr);
}

TEST_F(FrameFixture, ToolBarButtonsFollowTheirUpdateHandlersOnTheIdleTimer) {
  frame.AutoMenuEnable = false;  // only menus consult it
  QlmGuiTestApp::Wait(CFrameWnd::IdleUpdateMs * 2 + 50);
  EXPECT_TRUE(bar.GetButtonAction(0)->isEnabled());
  EXPECT_FALSE(bar.GetButtonAction(1)->isEnabled());
  EXPECT_FALSE(bar.GetButtonAction(3)->isEnabled());

  saveEnabled = true;
  QlmGuiTestApp::Wait(CFrameWnd::IdleUpdateMs * 2 + 50);
  EXPECT_TRUE(bar.GetButtonAction(1)->isEnabled());
  EXPECT_TRUE(bar.GetButtonAction(1)->isChecked());
}

TEST_F(FrameFixture, AcceleratorsRunTheirCommands) {
  QApplication::setActiveWindow(frame.GetSafeHwnd());
  ASSERT_TRUE(QTest::qWaitForWindowActive(frame.GetSafeHwnd()));
  QTest::keyClick(frame.GetSafeHwnd(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(opened, 1);
}

TEST_F(FrameFixture, TheToolBarCommandShowsAndHidesTheFirstToolBar) {
  ASSERT_TRUE(bar.IsWindowVisible());
  frame.RunCommand(ID_VIEW_TOOLBAR);
  EXPECT_FALSE(bar.IsWindowVisible());
  frame.RunCommand(ID_VIEW_TOOLBAR);
  EXPECT_TRUE(bar.IsWindowVisible());
}

TEST_F(FrameFixture, AButtonsPromptShowsInTheFirstPaneWhileThePointerIsOverIt) {
  CStatusBar status;
  ASSERT_TRUE(status.Create(&frame));
  const UINT indicators[] = {ID_SEPARATOR, ID_SEPARATOR};
  ASSERT_TRUE(status.SetIndicators(indicators, 2));
  QToolButton* button = nullptr;
  for (QObject* object : bar.GetButtonAction(0)->associatedObjects()) {
    if (auto* tool = qobject_cast<QToolButton*>(object)) button = tool;
  }
  ASSERT_NE(button, nullptr);
  QStatusTipEvent over(bar.GetButtonAction(0)->statusTip());
  QApplication::sendEvent(button, &over);
  EXPECT_EQ(status.GetPaneText(0), CString("Abrir Planejamento"));
  QStatusTipEvent left{QString()};
  QApplication::sendEvent(button, &left);
  EXPECT_EQ(status.GetPaneText(0), CString("Pronto"));
}

}  // namespace
