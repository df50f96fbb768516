#include <gtest/gtest.h>

#include "QlmGuiTestApp.h"
#include "platform/gui/CFrameWnd.h"
#include "platform/gui/CSplitterWnd.h"

namespace {

// Outer 1 x 2, each column a 2 x 1 splitter with a plain window per cell.
class SplitterFixture : public ::testing::Test {
protected:
  void SetUp() override {
    QlmGuiTestApp::Instance();
    ASSERT_TRUE(frame.LoadFrame(0));
    ASSERT_TRUE(outer.CreateStatic(&frame, 1, 2));
    ASSERT_TRUE(left.CreateStatic(&outer, 2, 1, 0, outer.IdFromRowCol(0, 0)));
    ASSERT_TRUE(right.CreateStatic(&outer, 2, 1, 0, outer.IdFromRowCol(0, 1)));
    // Out of order on purpose: the identifier decides the place.
    ASSERT_TRUE(left.CreateView(1, 0, std::make_unique<CWnd>()));
    ASSERT_TRUE(left.CreateView(0, 0, std::make_unique<CWnd>()));
    ASSERT_TRUE(right.CreateView(0, 0, std::make_unique<CWnd>()));
    ASSERT_TRUE(right.CreateView(1, 0, std::make_unique<CWnd>()));
    frame.MoveWindow(CRect(0, 0, 1000, 800));
    frame.ShowWindow(SW_SHOW);
    QlmGuiTestApp::Wait(10);
  }

  static CRect ScreenRect(CWnd* window) {
    CRect rect;
    window->GetWindowRect(&rect);
    return rect;
  }

  CFrameWnd frame;
  CSplitterWnd outer, left, right;
};

TEST_F(SplitterFixture, PanesSitWhereTheirIdentifiersSay) {
  EXPECT_EQ(outer.GetPane(0, 0), &left);
  EXPECT_EQ(outer.GetPane(0, 1), &right);
  CRect topLeft = ScreenRect(left.GetPane(0, 0)), bottomLeft = ScreenRect(left.GetPane(1, 0));
  CRect topRight = ScreenRect(right.GetPane(0, 0));
  EXPECT_LT(topLeft.top, bottomLeft.top);
  EXPECT_LT(topLeft.left, topRight.left);
  EXPECT_EQ(outer.GetPane(1, 0), nullptr);
}

TEST_F(SplitterFixture, RecalcLayoutGivesTheIdealSizesAndTheLastPaneTheRest) {
  outer.SetColumnInfo(0, 600, 50);
  left.SetRowInfo(0, 500, 50);
  outer.RecalcLayout();
  left.RecalcLayout();
  int current = 0, minimum = 0;
  outer.GetColumnInfo(0, current, minimum);
  EXPECT_EQ(current, 600);
  EXPECT_EQ(minimum, 50);
  left.GetRowInfo(0, current, minimum);
  EXPECT_EQ(current, 500);
  left.GetRowInfo(1, current, minimum);
  EXPECT_GT(current, 0);
}

TEST_F(SplitterFixture, AnIdealSizeBelowTheMinimumCollapsesThePane) {
  outer.SetColumnInfo(0, 0, 50);
  outer.RecalcLayout();
  int current = -1, minimum = 0;
  outer.GetColumnInfo(0, current, minimum);
  EXPECT_EQ(current, 0);
}

TEST(CSplitterWnd, RefusesGridsAndCellsItDoesNotHave) {
  QlmGuiTestApp::Instance();
  CFrameWnd frame;
  ASSERT_TRUE(frame.LoadFrame(0));
  CSplitterWnd grid;
  EXPECT_FALSE(grid.CreateStatic(&frame, 2, 2));
  CSplitterWnd column;
  ASSERT_TRUE(column.CreateStatic(&frame, 2, 1));
  EXPECT_FALSE(column.CreateView(2, 0, std::make_unique<CWnd>()));
  EXPECT_FALSE(column.CreateView(0, 1, std::make_unique<CWnd>()));
}

}  // namespace
