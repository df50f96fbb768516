#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "QlmGuiTestApp.h"
#include "platform/gui/CFrameWnd.h"
#include "platform/gui/CStatusBar.h"

namespace {

class StatusBarFixture : public ::testing::Test {
protected:
  void SetUp() override {
    QlmGuiTestApp::Instance();
    ASSERT_TRUE(frame.LoadFrame(0));
    ASSERT_TRUE(bar.Create(&frame));
    const UINT indicators[] = {ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR};
    ASSERT_TRUE(bar.SetIndicators(indicators, 4));
    bar.SetPaneInfo(1, 1, SBPS_NORMAL, 370);
    bar.SetPaneInfo(2, 2, SBPS_NORMAL, 130);
    frame.MoveWindow(CRect(0, 0, 1600, 600));
    frame.ShowWindow(SW_SHOW);
    QlmGuiTestApp::Wait(10);
  }

  CFrameWnd frame;
  CStatusBar bar;
};

TEST_F(StatusBarFixture, PanesTakeTheirWidthsAndTheFirstStretches) {
  CRect pane[4];
  for (int index = 0; index < 4; ++index) bar.GetItemRect(index, &pane[index]);
  EXPECT_EQ(pane[1].Width(), 370);
  EXPECT_EQ(pane[2].Width(), 130);
  EXPECT_EQ(pane[3].Width(), QGuiApplication::primaryScreen()->geometry().width() / 4);
  EXPECT_GT(pane[0].Width(), 0);
  for (int index = 1; index < 4; ++index) EXPECT_GE(pane[index].left, pane[index - 1].right);
  EXPECT_EQ(bar.CommandToIndex(2), 2);
  EXPECT_EQ(frame.GetMessageBar(), &bar);
}

TEST_F(StatusBarFixture, PaneTextsAreKeptPerPane) {
  EXPECT_TRUE(bar.SetPaneText(0, "Lendo Projeto..."));
  EXPECT_TRUE(bar.SetPaneText(2, "Panorâmica"));
  EXPECT_EQ(bar.GetPaneText(0), CString("Lendo Projeto..."));
  EXPECT_EQ(bar.GetPaneText(2), CString("Panorâmica"));
  EXPECT_EQ(bar.GetPaneText(1), CString());
  EXPECT_FALSE(bar.SetPaneText(4, "x"));
}

}  // namespace
