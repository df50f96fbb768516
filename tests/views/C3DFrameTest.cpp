// The 3D view frame: its tool bar, the enable and check state of its buttons
// and menu entries in each mode, and the menus of its two drop-down buttons.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <string>
#include <vector>

#include "QlmGuiTestApp.h"
#include "app/CMainFrameCommands.h"
#include "app/CQlmDegradation.h"
#include "app/CQlmQuorvantile.h"
#include "platform/gui/CMenu.h"
#include "views/C3DFrame.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlmInteractorStyle3.h"

namespace {

// Buttons, then the entries of the indicator menu.
const UINT Ids[] = {C3DFrame::Rotate3D,           C3DFrame::Move3D,
                    C3DFrame::StandardViews,      C3DFrame::Indicators3D,
                    C3DFrame::Properties3D,       C3DFrame::Degradation,
                    C3DFrame::SelectImplant,      C3DFrame::MoveImplant,
                    C3DFrame::RotateImplant,      C3DFrame::ScaleTeeth,
                    C3DFrame::AxialIndicator,     C3DFrame::CrossIndicator,
                    C3DFrame::PanoramicIndicator, C3DFrame::TransparentIndicators};

// What a popup showed: "text" per entry, "-" for a separator, "(off)" and "(on)" marks.
std::vector<std::string> Describe(QMenu* menu) {
  std::vector<std::string> entries;
  for (QAction* action : menu->actions()) {
    if (action->isSeparator()) {
      entries.push_back("-");
      continue;
    }
    std::string entry = action->text().toStdString();
    if (!action->isEnabled()) entry += " (off)";
    if (action->isChecked()) entry += " (on)";
    entries.push_back(entry);
  }
  return entries;
}

class Frame3D : public ::testing::Test {
protected:
  void SetUp() override {
    QlmGuiTestApp::Instance();
    C3DFrame::RegisterResources();
    this->Q = CQlmQuorvantile::New();
    this->Q->CreateObjects();
    this->Q->Style3D->SetDegradation(&this->Degradation);
    this->Frame.Quorvantile = this->Q;
    CMainFrameCommands::Install(this->Frame, nullptr);
    ASSERT_TRUE(this->Frame.Create(0, CRect(200, 150, 600, 550), nullptr, 0));
    this->Frame.ShowWindow(SW_SHOW);
    QlmGuiTestApp::Wait(20);
  }
  void TearDown() override {
    this->Frame.DestroyWindow();
    this->Q->Teardown();
    delete this->Q;
  }

  // "1"/"0" per id of Ids: enabled, and checked.
  std::pair<std::string, std::string> States() {
    this->Frame.UpdateToolBarsCmdUI();
    CMenu menu;
    menu.LoadMenu(C3DFrame::IndicatorsMenu);
    this->Frame.UpdateMenuCmdUI(menu.GetSubMenu(0)->GetQMenu());
    std::string enabled, checked;
    for (UINT id : Ids) {
      const int index = this->Frame.ToolBar.CommandToIndex(id);
      QAction* action = index >= 0 ? this->Frame.ToolBar.GetButtonAction(index) : menu.FindAction(id);
      enabled += action->isEnabled() ? '1' : '0';
      checked += action->isChecked() ? '1' : '0';
    }
    return {enabled, checked};
  }

  QToolButton* Button(UINT id) {
    QAction* action = this->Frame.ToolBar.GetButtonAction(this->Frame.ToolBar.CommandToIndex(id));
    for (QObject* object : action->associatedObjects()) {
      if (auto* button = qobject_cast<QToolButton*>(object)) return button;
    }
    return nullptr;
  }

  // Clicks `button` at `at`; a menu that opens is described and closed.
  std::vector<std::string> ClickAndReadMenu(QToolButton* button, QPoint at, QRect* shownAt = nullptr) {
    std::vector<std::string> shown;
    QTimer reader;
    reader.setSingleShot(true);
    QObject::connect(&reader, &QTimer::timeout, [&] {
      if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        shown = Describe(menu);
        if (shownAt) *shownAt = menu->geometry();
        menu->close();
      }
    });
    reader.start(0);
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
    QlmGuiTestApp::Wait(20);
    return shown;
  }

  CQlmQuorvantile* Q = nullptr;
  CQlmDegradation Degradation;
  C3DFrame Frame;
};

TEST_F(Frame3D, TheToolBarHoldsTheButtonsInOrderAtTheRightEdge) {
  const std::vector<UINT> expected = {32818, 33152, 32819, 0, 32820, 0, 32773, 32772, 0, 32817, 32857, 32858, 33282};
  std::vector<UINT> buttons;
  for (int index = 0; index < this->Frame.ToolBar.GetCount(); ++index) {
    buttons.push_back(this->Frame.ToolBar.GetItemID(index));
  }
  EXPECT_EQ(buttons, expected);
  EXPECT_EQ(this->Frame.ToolBar.GetBarAlignment(), CBRS_ALIGN_RIGHT);
  EXPECT_EQ(this->Button(C3DFrame::StandardViews)->popupMode(), QToolButton::MenuButtonPopup);
  EXPECT_EQ(this->Button(C3DFrame::Indicators3D)->popupMode(), QToolButton::MenuButtonPopup);
  EXPECT_EQ(this->Button(C3DFrame::Rotate3D)->popupMode(), QToolButton::DelayedPopup);
  EXPECT_EQ(this->Button(C3DFrame::ScaleTeeth)->toolTip().toStdString(),
            "Escala Dentes - Shift X - Ctrl Y - Shift+Ctrl Z(3d)");
}

// Order of the columns: 32818 33152 32819 32820 32773 32772 | 32817 32857
// 32858 33282 | 32845 32846 32847 32848. The controller's operations of the
// object list are still to come: those entries stay disabled and only their
// checks follow the mode. The section planes
// (32846) switch while the curve is not edited; the other indicator entries always.
TEST_F(Frame3D, ButtonsAndIndicatorEntriesAreEnabledAndCheckedByMode) {
  struct Case {
    const char* mode;
    int open;
    std::function<void(CQlmQuorvantile&, CQlmDegradation&)> set;
    const char* enabled;
    const char* checked;
  };
  const Case cases[] = {
      {"no project, indicators kept", 0,
       [](CQlmQuorvantile& q, CQlmDegradation&) {
         q.IndicatorSwitches[3] = 1;
         q.IndicatorSwitches[5] = 1;
       },
       "00000000001011", "00000010001010"},
      {"rotate 3D, degradation on", 1,
       [](CQlmQuorvantile& q, CQlmDegradation& d) {
         q.Tool = 3;
         d.Enabled = 1;
       },
       "11110111111111", "10000100000000"},
      {"3D view switched off, pan", 1,
       [](CQlmQuorvantile& q, CQlmDegradation&) {
         q.Window3D->Enabled = 0;
         q.Tool = 1;
       },
       "00000011111111", "01000000000000"},
      {"arch curve edited, reformat pan", 1,
       [](CQlmQuorvantile& q, CQlmDegradation&) {
         q.CurveEditing = 1;
         q.Tool = 18;
       },
       "11110100001011", "00000000000000"},
      {"nerve edited, nerve pan", 1,
       [](CQlmQuorvantile& q, CQlmDegradation&) {
         q.NerveEditing = 1;
         q.Tool = 23;
         q.IndicatorSwitches[4] = 1;
       },
       "11110100001111", "01000000000100"},
      {"select", 1, [](CQlmQuorvantile& q, CQlmDegradation&) { q.Tool = 10; }, "11110111111111", "00000010000000"},
      {"move implant", 1, [](CQlmQuorvantile& q, CQlmDegradation&) { q.Tool = 8; }, "11110111111111", "00000001000000"},
      {"rotate implant", 1, [](CQlmQuorvantile& q, CQlmDegradation&) { q.Tool = 9; }, "11110111111111",
       "00000000100000"},
      {"scale teeth", 1, [](CQlmQuorvantile& q, CQlmDegradation&) { q.Tool = 64; }, "11110111111111", "00000000010000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    CQlmQuorvantile& q = *this->Q;
    q.ProjectOpen = c.open;
    q.Window3D->Enabled = 1;
    q.CurveEditing = q.NerveEditing = q.Tool = 0;
    std::fill(std::begin(q.IndicatorSwitches), std::end(q.IndicatorSwitches), 0);
    this->Degradation.Enabled = 0;
    c.set(q, this->Degradation);
    EXPECT_EQ(this->States(), std::make_pair(std::string(c.enabled), std::string(c.checked)));
  }
}

TEST_F(Frame3D, DegradationTogglesOnlyWithAProjectAndMarksItModified) {
  this->Degradation.Enabled = 1;
  this->Frame.RunCommand(C3DFrame::Degradation);
  EXPECT_EQ(this->Degradation.Enabled, 1);
  EXPECT_EQ(this->Q->Modified, 0);

  this->Q->ProjectOpen = 1;
  this->Frame.RunCommand(C3DFrame::Degradation);
  EXPECT_EQ(this->Degradation.Enabled, 0);
  EXPECT_EQ(this->Q->Modified, 1);
  this->Frame.RunCommand(C3DFrame::Degradation);
  EXPECT_EQ(this->Degradation.Enabled, 1);

  this->Q->Style3D->SetDegradation(nullptr);
  this->Frame.RunCommand(C3DFrame::Degradation);
}

// The arrow opens the menu to the left of the bar, level with the button's
// middle; the body of the button opens nothing.
TEST_F(Frame3D, OnlyTheDropDownArrowOpensAMenu) {
  this->Q->ProjectOpen = 1;
  this->Q->CurveEditing = 1;
  this->Q->IndicatorSwitches[5] = 1;
  this->Frame.UpdateToolBarsCmdUI();
  for (UINT id : {C3DFrame::StandardViews, C3DFrame::Indicators3D}) {
    QToolButton* button = this->Button(id);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled());
    EXPECT_EQ(this->ClickAndReadMenu(button, QPoint(5, button->height() / 2)), std::vector<std::string>{});
  }

  QToolButton* views = this->Button(C3DFrame::StandardViews);
  QRect shownAt;
  EXPECT_EQ(this->ClickAndReadMenu(views, QPoint(views->width() - 3, views->height() / 2), &shownAt),
            (std::vector<std::string>{"Topo", "Fundo", "Frente", "Atrás", "Esquerda", "Direita", "IsoMand", "IsoMax"}));
  const QPoint buttonTopLeft = views->mapToGlobal(QPoint(0, 0));
  EXPECT_LE(shownAt.right(), buttonTopLeft.x());
  EXPECT_EQ(shownAt.top(), buttonTopLeft.y() + views->height() / 2);

  QToolButton* indicators = this->Button(C3DFrame::Indicators3D);
  EXPECT_EQ(this->ClickAndReadMenu(indicators, QPoint(indicators->width() - 3, indicators->height() / 2)),
            (std::vector<std::string>{"Axial", "Transversal (off)", "Panorâmica (on)", "-", "Transparente"}));
}

}  // namespace
