#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QScrollBar>
#include <QTest>

#include "QlmGuiTestApp.h"
#include "platform/gui/CWnd.h"

namespace {

// Records what reaches the handlers; moves its scroll position as a view does.
class RecordingWnd : public CWnd {
public:
  std::vector<std::string> Seen;
  bool MovesOnLineDown = false;

protected:
  void OnVScroll(UINT code, UINT position, CWnd*) override {
    Seen.push_back("scroll " + std::to_string(code) + " " + std::to_string(position));
    if (code == SB_LINEDOWN && MovesOnLineDown) this->SetScrollPos(SB_VERT, this->GetScrollPos(SB_VERT) + 1);
  }
  void OnKeyDown(UINT key, UINT, UINT flags) override {
    Seen.push_back("down " + std::to_string(key) + " " + std::to_string(flags));
  }
  void OnKeyUp(UINT key, UINT, UINT) override { Seen.push_back("up " + std::to_string(key)); }
  void OnChar(UINT character, UINT, UINT) override { Seen.push_back("char " + std::to_string(character)); }
  void OnLButtonDown(UINT flags, CPoint point) override {
    Seen.push_back("left " + std::to_string(flags) + " " + std::to_string(point.x) + "," + std::to_string(point.y));
  }
  void OnTimer(UINT id) override { Seen.push_back("timer " + std::to_string(id)); }
};

class WndFixture : public ::testing::Test {
protected:
  void SetUp() override {
    QlmGuiTestApp::Instance();
    ASSERT_TRUE(window.Create(WS_VSCROLL, CRect(0, 0, 300, 200), nullptr, 0));
    window.ShowWindow(SW_SHOW);
    SCROLLINFO info;
    info.nMin = 0;
    info.nMax = 100;
    info.nPage = 1;
    info.nPos = 50;
    window.SetScrollInfo(SB_VERT, info);
  }

  RecordingWnd window;
};

TEST_F(WndFixture, TheScrollBarReportsActionsAndTheWindowSetsThePosition) {
  QScrollBar* bar = window.GetVerticalScrollBar();
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(window.GetScrollPos(SB_VERT), 50);  // the window did not move it
  window.MovesOnLineDown = true;
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(window.GetScrollPos(SB_VERT), 51);
  EXPECT_EQ(bar->value(), 51);
  QTest::mouseRelease(bar, Qt::LeftButton);
  EXPECT_EQ(window.Seen, (std::vector<std::string>{"scroll 1 0", "scroll 1 0", "scroll 8 51"}));

  CRect client;
  window.GetClientRect(&client);
  EXPECT_EQ(client.Width(), 300 - bar->sizeHint().width());
  window.EnableScrollBar(SB_VERT, ESB_DISABLE_BOTH);
  EXPECT_FALSE(bar->isEnabled());
}

TEST_F(WndFixture, KeysArriveAsVirtualKeysAndCharactersWithoutRepeatedReleases) {
  QWidget* widget = window.GetSafeHwnd();
  QTest::keyClick(widget, Qt::Key_PageUp);
  QTest::keyClick(widget, Qt::Key_A);
  QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, QString(), true);
  QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(widget, &repeatRelease);
  QApplication::sendEvent(widget, &repeatPress);
  EXPECT_EQ(window.Seen,
            (std::vector<std::string>{"down 33 0", "up 33", "down 65 0", "char 97", "up 65", "down 40 16384"}));
}

TEST_F(WndFixture, MouseAndTimersReachTheirHandlers) {
  QTest::mousePress(window.GetSafeHwnd(), Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 20));
  window.SetTimer(100, 5);
  // A loaded machine may deliver the first tick late: wait for it up to 2 s.
  for (int waited = 0; window.Seen.size() < 2 && waited < 2000; waited += 10) QlmGuiTestApp::Wait(10);
  EXPECT_TRUE(window.KillTimer(100));
  EXPECT_FALSE(window.KillTimer(100));
  ASSERT_GE(window.Seen.size(), 2u);
  EXPECT_EQ(window.Seen[0], "left 5 10,20");
  EXPECT_EQ(window.Seen[1], "timer 100");
}

}  // namespace
