#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "QlmGuiTestApp.h"
#include "platform/gui/CFrameWnd.h"
#include "platform/gui/CStatic.h"
#include "platform/gui/CToolBar.h"
#include "tests/support/QlmTempDir.h"

namespace {

constexpr UINT Resource = 128;

class DropDownFrame : public CFrameWnd {
public:
  void OnToolBarDropDown(CToolBar&, UINT id) override { DroppedDown.push_back(id); }
  std::vector<UINT> DroppedDown;
};

class ToolBarFixture : public ::testing::Test {
protected:
  void SetUp() override {
    QlmGuiTestApp::Instance();
    QlmResource::Clear();
    QImage image(CToolBar::ImageSize, CToolBar::ImageSize, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(QString::fromStdString(folder.File("10.png"))));
    QlmResource::RegisterToolBar(Resource, {{10, ID_SEPARATOR, 11, 12}, folder.Path().string()});
    QlmResource::RegisterString(10, "Abrir Planejamento\nAbrir");
    frame.MapCommand(10, [this] { ++opened; });
    frame.MapCommand(12, [] {});
    ASSERT_TRUE(frame.LoadFrame(0));
    ASSERT_TRUE(bar.CreateEx(&frame, TBSTYLE_FLAT, CBRS_ALIGN_TOP));
    ASSERT_TRUE(bar.LoadToolBar(Resource));
    frame.ShowWindow(SW_SHOW);
    QlmGuiTestApp::Wait(10);
  }

  QlmTempDir folder;
  DropDownFrame frame;
  CToolBar bar;
  int opened = 0;
};

QToolButton* ButtonOf(CToolBar& bar, int index) {
  for (QObject* object : bar.GetButtonAction(index)->associatedObjects()) {
    if (auto* button = qobject_cast<QToolButton*>(object)) return button;
  }
  return nullptr;
}

TEST_F(ToolBarFixture, ButtonsAndSeparatorsComeFromTheResource) {
  ASSERT_EQ(bar.GetCount(), 4);
  EXPECT_EQ(bar.GetItemID(0), 10u);
  EXPECT_EQ(bar.GetButtonStyle(1), TBBS_SEPARATOR);
  EXPECT_EQ(bar.GetButtonAction(1), nullptr);
  EXPECT_EQ(bar.CommandToIndex(12), 3);
  EXPECT_EQ(bar.CommandToIndex(99), -1);
  EXPECT_EQ(bar.GetButtonAction(0)->toolTip(), QString("Abrir"));
  EXPECT_FALSE(bar.GetButtonAction(0)->icon().isNull());
  EXPECT_TRUE(bar.GetButtonAction(2)->icon().isNull());  // no image file
  CRect rect;
  bar.GetItemRect(2, &rect);
  EXPECT_EQ(rect.Size(), CSize(CToolBar::ButtonSize, CToolBar::ButtonSize));
  EXPECT_FALSE(bar.LoadToolBar(999));
}

TEST_F(ToolBarFixture, TheDropDownArrowNotifiesTheFrameAndTheBodyRunsTheCommand) {
  bar.SetButtonStyle(0, TBBS_BUTTON | BTNS_DROPDOWN);
  QlmGuiTestApp::Wait(10);
  QToolButton* button = ButtonOf(bar, 0);
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() - 3, button->height() / 2));
  EXPECT_EQ(frame.DroppedDown, std::vector<UINT>{10});
  EXPECT_EQ(opened, 0);

  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(frame.DroppedDown.size(), 1u);
}

TEST_F(ToolBarFixture, AWideSeparatorLeavesRoomForAControl) {
  bar.SetButtonInfo(2, 299, TBBS_SEPARATOR, 85);
  QlmGuiTestApp::Wait(10);
  CRect before, room, after;
  bar.GetItemRect(0, &before);
  bar.GetItemRect(2, &room);
  bar.GetItemRect(3, &after);
  EXPECT_EQ(bar.GetItemID(2), 299u);
  EXPECT_EQ(bar.GetButtonAction(2), nullptr);
  EXPECT_EQ(room.Width(), 85);
  EXPECT_GT(room.left, before.left);
  EXPECT_GE(after.left, room.right);
  EXPECT_EQ(bar.CommandToIndex(11), -1);
}

// A control made with the separator's identifier rides on it when the bar
// lays its items out again; a control with another identifier stays put.
TEST_F(ToolBarFixture, AControlOnAWideSeparatorMovesWithIt) {
  frame.GetSafeHwnd()->resize(600, 200);
  bar.SetButtonInfo(2, 299, TBBS_SEPARATOR, 85);
  CRect room;
  bar.GetItemRect(2, &room);
  room.DeflateRect(0, 1);
  CStatic label, other;
  ASSERT_TRUE(label.Create("Diam Impl:", WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE, room, &bar, 299));
  ASSERT_TRUE(other.Create("x", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &bar, 300));
  QlmGuiTestApp::Wait(10);

  auto placed = [this](CWnd& control) {
    const QWidget* widget = control.GetSafeHwnd();
    return QRect(widget->mapTo(bar.GetSafeHwnd(), QPoint(0, 0)), widget->size());
  };
  CRect item;
  bar.GetItemRect(2, &item);
  EXPECT_EQ(placed(label), QRect(item.left, item.top + 1, 85, CToolBar::ButtonSize - 2));
  EXPECT_TRUE(label.GetSafeHwnd()->isVisible());

  bar.SetButtonInfo(0, 298, TBBS_SEPARATOR, 120);  // everything after it moves right
  QlmGuiTestApp::Wait(10);
  CRect moved;
  bar.GetItemRect(2, &moved);
  EXPECT_GT(moved.left, item.left);
  EXPECT_EQ(placed(label), QRect(moved.left, moved.top + 1, 85, CToolBar::ButtonSize - 2));
  EXPECT_EQ(placed(other), QRect(0, 0, 10, 10));
}

}  // namespace
