// The up-down control beside its buddy: clicks report to the parent window.
#include <gtest/gtest.h>

#include <QTest>
#include <QToolButton>
#include <string>
#include <vector>

#include "QlmGuiTestApp.h"
#include "platform/gui/CEdit.h"
#include "platform/gui/CSpinButtonCtrl.h"

namespace {

class RecordingParent : public CWnd {
public:
  std::vector<std::string> Seen;
  CWnd* From = nullptr;

protected:
  void OnVScroll(UINT code, UINT position, CWnd* scrollBar) override {
    this->Seen.push_back(std::to_string(code) + " " + std::to_string(static_cast<int>(position)));
    this->From = scrollBar;
  }
};

QToolButton* Arrow(CSpinButtonCtrl& spin, Qt::ArrowType type) {
  for (auto* button : spin.GetSafeHwnd()->findChildren<QToolButton*>()) {
    if (button->arrowType() == type) return button;
  }
  return nullptr;
}

TEST(CSpinButtonCtrl, SitsAtItsBuddysRightEdgeAndReportsEachClickWithinItsRange) {
  QlmGuiTestApp::Instance();
  RecordingParent parent;
  ASSERT_TRUE(parent.Create(0, CRect(0, 0, 300, 100), nullptr, 0));
  CEdit field;
  ASSERT_TRUE(field.Create(WS_CHILD | WS_VISIBLE, CRect(20, 10, 80, 34), &parent, 399));
  CSpinButtonCtrl spin;
  ASSERT_TRUE(spin.Create(WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT, CRect(), &parent, 320));
  spin.SetBuddy(&field);
  spin.SetRange(-1, 1);
  spin.SetPos(0);
  parent.ShowWindow(SW_SHOW);
  QlmGuiTestApp::Wait(10);

  const QRect arrows = spin.GetSafeHwnd()->geometry();
  const QRect text = field.GetSafeHwnd()->geometry();
  EXPECT_EQ(arrows, QRect(80 - CSpinButtonCtrl::Width, 10, CSpinButtonCtrl::Width, 24));
  EXPECT_EQ(text, QRect(20, 10, 60 - CSpinButtonCtrl::Width, 24));
  EXPECT_TRUE(spin.GetSafeHwnd()->isVisible());

  QTest::mouseClick(Arrow(spin, Qt::UpArrow), Qt::LeftButton);
  QTest::mouseClick(Arrow(spin, Qt::UpArrow), Qt::LeftButton);
  QTest::mouseClick(Arrow(spin, Qt::DownArrow), Qt::LeftButton);
  EXPECT_EQ(parent.Seen, (std::vector<std::string>{"4 1", "8 1", "4 1", "8 1", "4 0", "8 0"}));
  EXPECT_EQ(parent.From, &spin);

  spin.SetRange(5, -5);  // reversed: the up arrow counts down
  parent.Seen.clear();
  QTest::mouseClick(Arrow(spin, Qt::UpArrow), Qt::LeftButton);
  EXPECT_EQ(spin.GetPos(), -1);
  EXPECT_EQ(spin.SetPos(9), -1);
  EXPECT_EQ(spin.GetPos(), 5);
}

}  // namespace
