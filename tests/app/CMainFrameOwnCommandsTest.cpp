// The commands the main frame carries out itself: library tool bars shown
// or hidden, the implant orientation, the print set-up form, moving the
// focus between the views and the nerve-diameter menu.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "ShellFixture.h"
#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmConfig.h"
#include "app/QlmResourceIds.h"
#include "platform/gui/CPrintDialog.h"
#include "views/C3DFrame.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CPanoramicWnd.h"

namespace {

class FrameCommandsFixture : public ShellFixture {
protected:
  void SetUp() override {
    ShellFixture::SetUp();
    this->Frame = this->StartFrame();
  }

  CQlmQuorvantile& Q() { return *this->Frame->GetController(); }

  std::unique_ptr<CMainFrame> Frame;
};

std::vector<int> ShownInSettings() {
  int shown[5] = {-1, -1, -1, -1, -1};
  ReadConfigShowToolBars(shown);
  return std::vector<int>(std::begin(shown), std::end(shown));
}

// Each toggle flips its bar and writes the five bars' state, which the next controller shows again.
TEST_F(FrameCommandsFixture, ToolBarTogglesFlipTheirBarAndWriteWhichBarsShow) {
  CMainFrame& frame = *this->Frame;
  const std::pair<UINT, std::vector<int>> toggles[] = {
      {33189, {0, 0, 0, 0, 0}}, {33187, {0, 1, 0, 0, 0}}, {33232, {0, 1, 1, 0, 0}},
      {33215, {0, 1, 1, 1, 0}}, {33291, {0, 1, 1, 1, 1}}, {33187, {0, 0, 1, 1, 1}},
  };
  for (const auto& [id, shown] : toggles) {
    frame.RunCommand(id);
    EXPECT_EQ(ShownInSettings(), shown) << id;
  }
  CToolBar* const bars[] = {&frame.ImplantToolBar, &frame.OrtoToolBar, &frame.GeomsToolBar, &frame.DentesToolBar,
                            &frame.EndoToolBar};
  std::vector<int> visible;
  for (CToolBar* bar : bars) visible.push_back(bar->IsVisible());
  EXPECT_EQ(visible, (std::vector<int>{0, 0, 1, 1, 1}));

  frame.OnFileClose();
  visible.clear();
  for (CToolBar* bar : bars) visible.push_back(bar->IsVisible());
  EXPECT_EQ(visible, (std::vector<int>{0, 0, 1, 1, 1}));
}

TEST_F(FrameCommandsFixture, TheImplantOrientationEntriesSetTheFlagAndMarkTheProjectModified) {
  CMainFrame& frame = *this->Frame;
  frame.RunCommand(32937);
  EXPECT_EQ(this->Q().Modified, 0);  // no project: disabled
  this->Q().ProjectOpen = 1;
  frame.RunCommand(32937);
  EXPECT_EQ(this->Q().GetImplantOrientation(), 1);
  EXPECT_EQ(this->Q().Modified, 1);
  this->Q().Modified = 0;
  frame.RunCommand(32938);
  EXPECT_EQ(this->Q().GetImplantOrientation(), 0);
  EXPECT_EQ(this->Q().Modified, 1);
}

TEST_F(FrameCommandsFixture, PrintSetUpShowsTheSetUpFormWithoutAProject) {
  this->ModalDialogs.clear();
  this->Frame->RunCommand(32876);
  EXPECT_EQ(this->ModalDialogs, std::vector<UINT>{CPrintDialog::SetupTemplate});
}

// F6 moves on in the order cross-section, panoramic, axial, 3D; Shift+F6
// goes back. The views take the focus once a project enables them.
TEST_F(FrameCommandsFixture, F6AndShiftF6MoveTheFocusThroughTheViews) {
  CMainFrame& frame = *this->Frame;
  frame.SplitterLeft.EnableWindow(TRUE);
  frame.SplitterRight.EnableWindow(TRUE);
  QApplication::setActiveWindow(frame.GetSafeHwnd());
  QlmGuiTestApp::Wait(20);
  CWnd* const order[] = {frame.CrossView, frame.PanoramicView, frame.AxialView, frame.View3D};
  frame.SetFocus();
  QlmGuiTestApp::Wait(10);
  for (int step = 0; step < 5; ++step) {
    frame.RunCommand(57680);
    QlmGuiTestApp::Wait(10);
    EXPECT_TRUE(order[step % 4]->HasFocusWithin()) << "F6 " << step;
  }
  for (int step : {3, 2, 1, 0, 3}) {
    frame.RunCommand(57681);
    QlmGuiTestApp::Wait(10);
    EXPECT_TRUE(order[step]->HasFocusWithin()) << "Shift+F6 to " << step;
  }
}

TEST(CMainFrame, TheNerveDiameterChecksTheEntryOfItsTenthsOfAMillimetre) {
  const std::pair<double, UINT> cases[] = {
      {2.0, 32972}, {2.2f, 32973}, {2.6, 32975},  {2.8, 32968}, {3.0, 32969}, {3.2f, 32970}, {3.4, 32976},
      {3.8, 32978}, {4.0, 32979},  {4.04, 32979}, {2.55, 0},    {1.9, 0},     {4.2, 0},
  };
  for (const auto& [diameter, entry] : cases) EXPECT_EQ(CMainFrame::NerveDiameterEntry(diameter), entry) << diameter;
}

// What a pop-up showed: "text" per entry, "(off)" when disabled, "[...]" for a sub-menu.
std::vector<std::string> Describe(QMenu* menu) {
  std::vector<std::string> entries;
  for (QAction* action : menu->actions()) {
    std::string entry = action->text().toStdString();
    if (action->menu()) {
      entry += " [" + std::to_string(action->menu()->actions().size()) + "]";
    } else if (!action->isEnabled()) {
      entry += " (off)";
    }
    entries.push_back(entry);
  }
  return entries;
}

// Only the arrow of "Diâmetro" opens the menu; its entries wait for the nerves.
TEST_F(FrameCommandsFixture, TheDiameterMenuOpensFromTheArrowOfItsButtonOnly) {
  CMainFrame& frame = *this->Frame;
  this->Q().ProjectOpen = 1;
  this->Q().NerveEditing = 1;
  frame.ShowControlBar(&frame.NerveToolBar, TRUE, FALSE);
  QlmGuiTestApp::Wait(20);
  frame.NerveToolBar.OnUpdateCmdUI(&frame, true);
  QAction* action = frame.NerveToolBar.GetButtonAction(frame.NerveToolBar.CommandToIndex(ID_NERVE_DIAMETER));
  QToolButton* button = nullptr;
  for (QObject* object : action->associatedObjects()) {
    if (auto* tool = qobject_cast<QToolButton*>(object)) button = tool;
  }
  ASSERT_NE(button, nullptr);
  ASSERT_TRUE(button->isEnabled());

  auto clickAndRead = [button](QPoint at) {
    std::vector<std::string> shown;
    QTimer reader;
    reader.setSingleShot(true);
    QObject::connect(&reader, &QTimer::timeout, [&shown] {
      if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        shown = Describe(menu);
        menu->close();
      }
    });
    reader.start(0);
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
    QlmGuiTestApp::Wait(20);
    return shown;
  };
  EXPECT_EQ(clickAndRead(QPoint(5, button->height() / 2)), std::vector<std::string>{});
  EXPECT_EQ(clickAndRead(QPoint(button->width() - 3, button->height() / 2)),
            (std::vector<std::string>{"2.8 mm", "3.0 mm", "3.2 mm", "Mais [8]"}));
}

}  // namespace
