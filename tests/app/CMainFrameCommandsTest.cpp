// Every command of the main frame's and the 3D frame's table, enabled and
// checked as the frames' rules say, in the states a project goes through.
// The expected table is written from those rules; Ready lists the commands
// whose operation exists (the others stay disabled).
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ShellFixture.h"
#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "app/CUndoHistory.h"
#include "app/QlmResourceIds.h"
#include "ct/CQlmCTViewer2.h"
#include "ct/CQlmPolyLine.h"
#include "objects/CQlmNerves.h"
#include "platform/gui/CCmdUI.h"
#include "toolkit/vtkWin32ImageMapper2.h"
#include "views/C3DFrame.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmIndicator.h"
#include "views/QlmView.h"

namespace {

using Kind = CQlmQuorvantile::LibraryKind;
using Check = std::function<bool(CMainFrame&, CQlmQuorvantile&)>;

// Enable classes of the frames' rules; Lib and LibNotEditing need a library kind.
enum Class {
  Always, None, Never, O, P, PS, R, N, Lib, LibNotEditing, OC, ON, ONS, Open3D, ModifiedOnly,
  OUndo, ORedo, NPrevious, NNext
};

struct Expected {
  UINT Id;
  Class Enable;
  Check Checked = nullptr;
  int Kind = -1;
};

Check Tool(int tool) {
  return [tool](CMainFrame&, CQlmQuorvantile& q) { return q.Tool == tool; };
}
Check ToolOr0(int tool) {
  return [tool](CMainFrame&, CQlmQuorvantile& q) { return q.Tool == 0 || q.Tool == tool; };
}
template <class Bar>
Check BarShown(Bar CMainFrame::*bar) {
  return [bar](CMainFrame& frame, CQlmQuorvantile&) { return !(frame.*bar).GetSafeHwnd()->isHidden(); };
}
Check Indicator3D(int index) {
  return [index](CMainFrame&, CQlmQuorvantile& q) { return q.IndicatorSwitches[3 + index] != 0; };
}
// "Index" (0) and "Nome" (1) while the labels show, "Nenhum" (-1) while hidden.
Check Labels(int kind, int mode) {
  return [kind, mode](CMainFrame&, CQlmQuorvantile& q) {
    return mode < 0 ? !q.LabelsShown[kind] : q.LabelsShown[kind] && q.LabelModes[kind] == mode;
  };
}
Check Font(int kind, int size) {
  return [kind, size](CMainFrame&, CQlmQuorvantile& q) { return q.FontSizes[kind] == size; };
}
Check Fill(int fill) {
  return [fill](CMainFrame&, CQlmQuorvantile& q) { return q.ImplantFill == fill; };
}

std::vector<Expected> ExpectedTable() {
  const Check axialOn = [](CMainFrame&, CQlmQuorvantile& q) { return q.WindowAxial->Enabled != 0; };
  const Check crossOn = [](CMainFrame&, CQlmQuorvantile& q) { return q.WindowCross->Enabled != 0; };
  const Check panoramicOn = [](CMainFrame&, CQlmQuorvantile& q) { return q.WindowPanoramic->Enabled != 0; };
  const Check view3DOn = [](CMainFrame&, CQlmQuorvantile& q) { return q.Window3D->Enabled != 0; };
  const Check thick = [](CMainFrame&, CQlmQuorvantile& q) { return q.ThickPanoramic != 0; };
  const Check single = [](CMainFrame&, CQlmQuorvantile& q) { return q.WindowCross->GetSingleCell() != 0; };
  const Check interpolated = [](CMainFrame&, CQlmQuorvantile& q) {
    return q.ViewerAxial->GetMapper()->GetInterpolation() != 0;
  };
  const Check sagittal = [](CMainFrame&, CQlmQuorvantile& q) { return q.SagittalCoronal != 0; };
  const Check curve = [](CMainFrame&, CQlmQuorvantile& q) { return q.CurveEditing != 0; };
  const Check nerve = [](CMainFrame&, CQlmQuorvantile& q) { return q.NerveEditing != 0; };
  const Check marks = [](CMainFrame&, CQlmQuorvantile& q) { return q.PolyLine->GetMarksEnabled() != 0; };
  const Check maxilla = [](CMainFrame&, CQlmQuorvantile& q) { return q.GetImplantOrientation() == 1; };
  const Check mandible = [](CMainFrame&, CQlmQuorvantile& q) { return q.GetImplantOrientation() == 0; };
  const Check cutsShown = [](CMainFrame&, CQlmQuorvantile& q) {
    return q.NerveContainer->GetCurrentVisibility() != 0;
  };
  const Check pan3D = [](CMainFrame&, CQlmQuorvantile& q) { return q.Tool == 1 || q.Tool == 23; };
  // The indicator of view `position`'s position shown in view `shownIn`.
  auto shown = [](int position, int shownIn) -> Check {
    return [=](CMainFrame&, CQlmQuorvantile& q) { return q.Indicator->IsIndicatorVisible(position, shownIn) != 0; };
  };
  return {
      // Project files, editing and the frame's own commands.
      {57601, None},
      {32812, None},
      {57603, P},
      {32813, ModifiedOnly},
      {32777, P},
      {57602, O},
      {57607, O},
      {57609, O},
      {32876, Always},
      {57665, None},
      {32940, None},
      {32945, None},
      {32946, None},
      {32947, None},
      {32948, None},
      {57643, OUndo},
      {32933, OUndo},
      {57644, ORedo},
      {32934, ORedo},
      {57634, P},
      {57635, P},
      {57637, P},
      {57680, Always},
      {57681, Always},
      {33136, None},
      {32950, None},
      {32787, Never},
      {32966, Never},
      // View menu, main tool bar and 2D tools.
      {32779, P, axialOn},
      {32780, P, crossOn},
      {32781, P, panoramicOn},
      {32782, P, view3DOn},
      {32783, P},
      {32823, O},
      {32883, P},
      {32913, P},
      {32800, P, Tool(11)},
      {32801, P, Tool(12)},
      {32803, P, Tool(13)},
      {32802, P, Tool(2)},
      {32815, P, Tool(1)},
      {33140, PS, thick},
      {32808, PS, single},
      {32809, P, Tool(4)},
      {32984, P, Tool(30)},
      {32982, P},
      {32816, O},
      {32875, O},
      {32810, O},
      {32788, O},
      {32951, O, interpolated},
      // Reformat menu and tool bar.
      {32852, ONS, curve},
      {32784, ON},
      {33284, P, sagittal},
      {32952, OC, nerve},
      {32899, R, Tool(5)},
      {32898, R, Tool(6)},
      {32900, R},
      {32904, R, Tool(14)},
      {32905, R, Tool(15)},
      {32906, R},
      {32907, R, Tool(16)},
      {32908, R, Tool(18)},
      {32901, R, marks},
      {32903, R},
      // Nerve tool bar and the diameter menu.
      {32957, N, Tool(24)},
      {32958, N, Tool(25)},
      {32959, N},
      {32967, N},
      {32960, N, Tool(19)},
      {32961, N, Tool(20)},
      {32962, N, Tool(22)},
      {32963, N, Tool(21)},
      {32964, N, Tool(23)},
      {32980, N, cutsShown},
      {32956, NPrevious},
      {32955, NNext},
      {32953, N},
      {32954, N},
      {32965, Always},
      {32981, P},
      {32968, Always},
      {32969, Always},
      {32970, Always},
      {32972, Always},
      {32973, Always},
      {32974, Always},
      {32975, Always},
      {32976, Always},
      {32977, Always},
      {32978, Always},
      {32979, Always},
      // Indicators.
      {32795, O, Indicator3D(0)},
      {32796, OC, Indicator3D(1)},
      {32797, O, Indicator3D(2)},
      {32824, O},
      {32884, OC, shown(QlmView::Cross, QlmView::Axial)},
      {32885, ON, shown(QlmView::Panoramic, QlmView::Axial)},
      {32886, O, shown(QlmView::Axial, QlmView::Cross)},
      {32887, ON, shown(QlmView::Panoramic, QlmView::Cross)},
      {32888, O, shown(QlmView::Axial, QlmView::Panoramic)},
      {32889, P, shown(QlmView::Cross, QlmView::Panoramic)},
      {32882, P},
      {32912, P},
      // Implants.
      {32817, P, ToolOr0(10)},
      {32856, P, Tool(7)},
      {32857, P, Tool(8)},
      {33166, P, Tool(8)},
      {32858, P, Tool(9)},
      {33167, P, Tool(9)},
      {33165, LibNotEditing, Tool(74), Kind::Implants},
      {32865, O},
      {32914, O},
      {32872, P},
      {32867, P},
      {33120, O},
      {32937, P, maxilla},
      {32938, P, mandible},
      {33147, P, Fill(1)},
      {33148, P, Fill(0)},
      {33149, P, Labels(Kind::Implants, 0)},
      {33150, P, Labels(Kind::Implants, 1)},
      {33158, None},
      {33169, Lib, nullptr, Kind::Implants},
      {33189, None, BarShown(&CMainFrame::ImplantToolBar)},
      {33156, None},
      {33155, None},
      {33170, None},
      // Orthodontic, endodontic, teeth and meshes.
      {33201, O, Labels(Kind::Orthodontic, 1)},
      {33202, O, Labels(Kind::Orthodontic, 0)},
      {33203, O, Labels(Kind::Orthodontic, -1)},
      {33204, O, Font(Kind::Orthodontic, 7)},
      {33205, O, Font(Kind::Orthodontic, 12)},
      {33206, O, Font(Kind::Orthodontic, 18)},
      {33187, None, BarShown(&CMainFrame::OrtoToolBar)},
      {33190, Lib, nullptr, Kind::Orthodontic},
      {33174, None},
      {33175, None},
      {33176, None},
      {33192, O},
      {33182, P, ToolOr0(43)},
      {33183, LibNotEditing, Tool(40), Kind::Orthodontic},
      {33184, P, Tool(41)},
      {33186, P, Tool(42)},
      {33285, O, Labels(Kind::Endodontic, 1)},
      {33286, O, Labels(Kind::Endodontic, 0)},
      {33287, O, Labels(Kind::Endodontic, -1)},
      {33288, O, Font(Kind::Endodontic, 7)},
      {33289, O, Font(Kind::Endodontic, 12)},
      {33290, O, Font(Kind::Endodontic, 18)},
      {33291, None, BarShown(&CMainFrame::EndoToolBar)},
      {33292, Lib, nullptr, Kind::Endodontic},
      {33293, None},
      {33294, None},
      {33295, None},
      {33304, O},
      {33300, P, ToolOr0(73)},
      {33301, LibNotEditing, Tool(70), Kind::Endodontic},
      {33302, P, Tool(71)},
      {33303, P, Tool(72)},
      {33238, O, Labels(Kind::Teeth, 1)},
      {33239, O, Labels(Kind::Teeth, 0)},
      {33241, O, Labels(Kind::Teeth, -1)},
      {33242, O, Font(Kind::Teeth, 7)},
      {33243, O, Font(Kind::Teeth, 12)},
      {33244, O, Font(Kind::Teeth, 18)},
      {33215, None, BarShown(&CMainFrame::DentesToolBar)},
      {33216, Lib, nullptr, Kind::Teeth},
      {33217, None},
      {33218, None},
      {33219, None},
      {33258, P},
      {33272, P, Tool(63)},
      {33262, LibNotEditing, Tool(60), Kind::Teeth},
      {33273, P, Tool(61)},
      {33264, P, Tool(62)},
      {33282, P, Tool(64)},
      {33246, O, Labels(Kind::Meshes, 1)},
      {33247, O, Labels(Kind::Meshes, 0)},
      {33248, O, Labels(Kind::Meshes, -1)},
      {33249, O, Font(Kind::Meshes, 7)},
      {33251, O, Font(Kind::Meshes, 12)},
      {33250, O, Font(Kind::Meshes, 18)},
      {33232, None, BarShown(&CMainFrame::GeomsToolBar)},
      {33245, Lib, nullptr, Kind::Meshes},
      {33234, None},
      {33235, None},
      {33236, None},
      {33274, P},
      {33261, P, Tool(53)},
      {33255, LibNotEditing, Tool(50), Kind::Meshes},
      {33263, P, Tool(51)},
      {33257, P, Tool(52)},
      {33281, P, Tool(54)},
      // Tools, lists, guides and information.
      {32790, O},
      {33088, O},
      {33123, O},
      {32785, O},
      {32874, O},
      {33154, O},
      {32986, P},
      {33135, O},
      {32987, P},
      {33132, O},
      // The 3D frame's own commands.
      {32818, Open3D, Tool(3)},
      {33152, Open3D, pan3D},
      {32819, Open3D},
      {32820, Open3D},
      {32773, Open3D},
      {32837, Always},
      {32838, Always},
      {32839, Always},
      {32840, Always},
      {32841, Always},
      {32842, Always},
      {32843, Always},
      {32844, Always},
      {32845, Always, Indicator3D(0)},
      {32846, OC, Indicator3D(1)},
      {32847, Always, Indicator3D(2)},
      {32848, Always},
  };
}

// The commands whose operation exists; every other one is disabled whatever its rule says.
const std::set<UINT> Ready = {57601, 32812, 57603, 32813, 32777, 57602, 32876, 57665, 32940, 32945, 32946, 32947, 32948,
                              57634, 57635, 57637, 57680, 57681, 33136, 32950, 32787, 32966, 32967, 32937, 32938, 33189,
                              33187, 33291, 33215, 33232, 32819, 32820, 32852, 32899, 32898, 32904, 32905, 32906, 32907,
                              32908, 32903, 32796, 32846, 32790, 33132, 32986, 33135, 32987, 32816, 32875, 32779, 32780,
                              32781, 32782, 32783, 32823, 32883, 32913, 33140, 32808, 32951, 32784, 33284, 32901, 32795,
                              32845, 32797, 32847, 32824, 32848, 32884, 32885, 32886, 32887, 32888, 32889, 32882, 32912,
                              32837, 32838, 32839, 32840, 32841, 32842, 32843, 32844, 57607, 57609,
                              33158, 33169, 33190, 33292, 33216, 33245, 33155, 33170, 33175, 33176, 33294,
                              33295, 33218, 33219, 33235, 33236, 32867, 33147, 33148, 33149, 33150,
                              33201, 33202, 33203, 33204, 33205, 33206, 33285, 33286, 33287, 33288, 33289,
                              33290, 33238, 33239, 33241, 33242, 33243, 33244, 33246, 33247, 33248, 33249,
                              33251, 33250, 32856, 32809, 32984, 32982, 33165,
                              32960, 32961, 32962, 32963, 57643, 32933, 57644, 32934,
                              32800, 32801, 32803, 32802, 32815, 32818, 33152, 32957, 32958, 32964, 32900,
                              32952, 32959, 32980, 32956, 32955, 32953, 32954, 32965, 32972, 32973, 32974,
                              32975, 32968, 32969, 32970, 32976, 32977, 32978, 32979,
                              33088, 33123, 32810, 32788, 33154, 33120, 32817,
                              33272, 33262, 33273, 33264, 33282, 33261, 33255, 33263, 33257, 33281,
                              32857, 33166, 32858, 33167};

// Commands of the frames' menus and bars that are not the table's: the framework's bar toggles, the
// about box, the 3D frame's reduced display and the library bars' placeholders for their controls.
const std::set<UINT> NotInTheTable = {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR,
                                      ID_APP_ABOUT,    C3DFrame::Degradation,
                                      33259,           33260,
                                      33266,           33267,
                                      33270,           33271,
                                      33268,           33269,
                                      33296,           33297,
                                      33298,           33299};

bool RuleHolds(const Expected& row, const CQlmQuorvantile& q) {
  const bool open = q.ProjectOpen, curve = q.CurveEditing, nerve = q.NerveEditing, sagittal = q.SagittalCoronal;
  const bool library = row.Kind >= 0 && q.LibraryAvailable[row.Kind];
  switch (row.Enable) {
    case Always:
    case None:
      return true;
    case Never:
      return false;
    case O:
      return open;
    case P:
      return open && !curve && !nerve;
    case PS:
      return open && !curve && !nerve && !sagittal;
    case R:
      return open && curve && !nerve;
    case N:
      return open && nerve && !curve;
    case Lib:
      return open && library;
    case LibNotEditing:
      return open && library && !curve && !nerve;
    case OC:
      return open && !curve;
    case ON:
      return open && !nerve;
    case ONS:
      return open && !nerve && !sagittal;
    case Open3D:
      return open && q.Window3D->Enabled;
    case ModifiedOnly:
      return q.Modified;
    case OUndo:
      return open && q.UndoHistory->GetNewestUndo() != 0;
    case ORedo:
      return open && q.UndoHistory->GetNewestRedo() != 0;
    case NPrevious:
      return open && nerve && !curve && q.NerveContainer->GetCurrent() > 0;
    case NNext:
      return open && nerve && !curve && q.NerveContainer->GetCurrent() + 1 < q.NerveContainer->GetCount();
  }
  return false;
}

class CommandTableFixture : public ShellFixture {
protected:
  void SetUp() override {
    ShellFixture::SetUp();
    this->Frame = this->StartFrame();
  }

  // Runs every update handler: all bars (shown or not), every menu, the 3D frame's and the diameter menus.
  void Update() {
    CMainFrame& frame = *this->Frame;
    for (CToolBar* bar : frame.GetToolBars()) bar->OnUpdateCmdUI(&frame, true);
    frame.Frame3D->ToolBar.OnUpdateCmdUI(frame.Frame3D, true);
    for (QMenu* menu : frame.GetMenu()->AllMenus()) frame.UpdateMenuCmdUI(menu);
    for (QMenu* menu : this->Diameters.AllMenus()) frame.UpdateMenuCmdUI(menu);
    for (CMenu* menu : {&this->Views3D, &this->Indicators3D}) {
      for (QMenu* entries : menu->AllMenus()) frame.Frame3D->UpdateMenuCmdUI(entries);
    }
  }

  // The entries and buttons of a command, wherever they are.
  std::vector<QAction*> ActionsOf(UINT id) {
    CMainFrame& frame = *this->Frame;
    std::vector<QAction*> actions;
    std::vector<CToolBar*> bars = frame.GetToolBars();
    bars.push_back(&frame.Frame3D->ToolBar);
    for (CToolBar* bar : bars) {
      if (QAction* button = bar->GetButtonAction(bar->CommandToIndex(id))) actions.push_back(button);
    }
    for (CMenu* menu : {frame.GetMenu(), &this->Diameters, &this->Views3D, &this->Indicators3D}) {
      if (QAction* entry = menu->FindAction(id)) actions.push_back(entry);
    }
    return actions;
  }

  // Checks every command against the expected table; `state` names the case.
  void ExpectTable(const std::string& state) {
    this->Update();
    CMainFrame& frame = *this->Frame;
    CQlmQuorvantile& q = *frame.GetController();
    for (const Expected& row : ExpectedTable()) {
      SCOPED_TRACE(state + ", command " + std::to_string(row.Id));
      const bool enabled = Ready.count(row.Id) && RuleHolds(row, q);
      const bool checked = row.Checked && row.Checked(frame, q);
      const std::vector<QAction*> actions = this->ActionsOf(row.Id);
      if (actions.empty()) {
        CCmdTarget* target = row.Enable == Open3D || (row.Id >= 32837 && row.Id <= 32848)
                                 ? static_cast<CCmdTarget*>(frame.Frame3D)
                                 : static_cast<CCmdTarget*>(&frame);
        CCmdUI ui(row.Id, nullptr);
        ui.DoUpdate(target, false);
        EXPECT_EQ(ui.Enabled, enabled);
      }
      for (QAction* action : actions) {
        EXPECT_EQ(action->isEnabled(), enabled);
        EXPECT_EQ(action->isChecked(), checked);
      }
    }
  }

  std::unique_ptr<CMainFrame> Frame;
  CMenu Diameters, Views3D, Indicators3D;
};

TEST_F(CommandTableFixture, EveryCommandFollowsItsRuleInEachStateOfAProject) {
  ASSERT_TRUE(this->Diameters.LoadMenu(IDR_NERVE_DIAMETER));
  ASSERT_TRUE(this->Views3D.LoadMenu(C3DFrame::StandardViewsMenu));
  ASSERT_TRUE(this->Indicators3D.LoadMenu(C3DFrame::IndicatorsMenu));
  CMainFrame& frame = *this->Frame;
  this->ExpectTable("no project");

  struct State {
    const char* Name;
    std::function<void(CMainFrame&, CQlmQuorvantile&)> Set;
  };
  const State states[] = {
      {"open, select tool, no libraries",
       [](CMainFrame&, CQlmQuorvantile& q) {
         q.Tool = 10;
         q.IndicatorSwitches[3] = 1;
       }},
      {"modified, move tool, libraries of every kind, thick panoramic, one section, maxilla",
       [](CMainFrame& f, CQlmQuorvantile& q) {
         q.Modified = 1;
         q.Tool = 8;
         std::fill(std::begin(q.LibraryAvailable), std::end(q.LibraryAvailable), 1);
         q.ThickPanoramic = 1;
         q.WindowCross->SetSingleCell(1);
         q.SetImplantOrientation(1);
         f.ShowControlBar(&f.EndoToolBar, TRUE, FALSE);
       }},
      {"arch curve edited, curve zoom, marks hidden",
       [](CMainFrame&, CQlmQuorvantile& q) {
         q.CurveEditing = 1;
         q.Tool = 14;
         q.PolyLine->SetSectionMarksVisibility(0);
       }},
      {"nerve edited, nerve pan",
       [](CMainFrame&, CQlmQuorvantile& q) {
         q.NerveEditing = 1;
         q.Tool = 23;
         q.IndicatorSwitches[4] = 1;
       }},
      {"sagittal mode, teeth scale, axial view off, no interpolation, other labels",
       [](CMainFrame& f, CQlmQuorvantile& q) {
         q.SagittalCoronal = 1;
         q.Tool = 64;
         q.WindowAxial->Enabled = 0;
         q.ViewerAxial->GetMapper()->SetInterpolation(0);
         q.LibraryAvailable[Kind::Teeth] = 1;
         f.ShowControlBar(&f.ImplantToolBar, FALSE, FALSE);
         q.LabelsShown[Kind::Teeth] = 0;
         q.LabelModes[Kind::Endodontic] = 1;
         q.LabelModes[Kind::Implants] = 1;
         q.FontSizes[Kind::Meshes] = 18;
         q.FontSizes[Kind::Orthodontic] = 7;
         q.ImplantFill = 0;
       }},
      {"custom implant insert, implant library only, 3D view off",
       [](CMainFrame&, CQlmQuorvantile& q) {
         q.Tool = 74;
         q.LibraryAvailable[Kind::Implants] = 1;
         q.Window3D->Enabled = 0;
       }},
      {"endodontic move", [](CMainFrame&, CQlmQuorvantile& q) { q.Tool = 71; }},
  };
  for (const State& state : states) {
    CQlmQuorvantile& q = *frame.GetController();
    q.ProjectOpen = 1;
    q.Modified = q.CurveEditing = q.NerveEditing = q.SagittalCoronal = q.ThickPanoramic = 0;
    std::fill(std::begin(q.LibraryAvailable), std::end(q.LibraryAvailable), 0);
    std::fill(std::begin(q.IndicatorSwitches), std::end(q.IndicatorSwitches), 0);
    for (CQlm3DWindow* window : {q.WindowAxial, q.WindowPanoramic, q.Window3D}) window->Enabled = 1;
    q.WindowCross->Enabled = 1;
    q.WindowCross->SetSingleCell(0);
    q.ViewerAxial->GetMapper()->SetInterpolation(1);
    q.PolyLine->SetSectionMarksVisibility(1);
    q.SetImplantOrientation(0);
    std::fill(std::begin(q.LabelsShown), std::end(q.LabelsShown), 1);
    std::fill(std::begin(q.LabelModes), std::end(q.LabelModes), 0);
    std::fill(std::begin(q.FontSizes), std::end(q.FontSizes), 12);
    q.ImplantFill = 1;
    frame.ShowControlBar(&frame.ImplantToolBar, TRUE, FALSE);
    frame.ShowControlBar(&frame.EndoToolBar, FALSE, FALSE);
    state.Set(frame, q);
    this->ExpectTable(state.Name);
  }
}

// Without a project the enabled entries are the ready ones of the classes
// "always" and "none", the framework's bar toggles and the about box; and
// every entry and button of the frames is a command of the table.
TEST_F(CommandTableFixture, WithoutAProjectOnlyTheCommandsWithoutAConditionAreEnabled) {
  this->Update();
  std::map<UINT, Class> classes;
  for (const Expected& row : ExpectedTable()) classes[row.Id] = row.Enable;
  std::vector<QAction*> actions;
  for (QMenu* menu : this->Frame->GetMenu()->AllMenus()) {
    for (QAction* action : menu->actions()) {
      if (!action->menu() && !action->isSeparator()) actions.push_back(action);
    }
  }
  std::vector<CToolBar*> bars = this->Frame->GetToolBars();
  bars.push_back(&this->Frame->Frame3D->ToolBar);
  for (CToolBar* bar : bars) {
    for (int index = 0; index < bar->GetCount(); ++index) {
      if (QAction* button = bar->GetButtonAction(index)) actions.push_back(button);
    }
  }
  std::set<UINT> enabled;
  for (QAction* action : actions) {
    const UINT id = action->data().toUInt();
    EXPECT_TRUE(classes.count(id) || NotInTheTable.count(id)) << id << " is not in the table";
    if (action->isEnabled()) enabled.insert(id);
  }
  std::set<UINT> expected = {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_APP_ABOUT};
  for (const auto& [id, enable] : classes) {
    const bool shown = !this->ActionsOf(id).empty();
    if (Ready.count(id) && (enable == Always || enable == None) && shown) expected.insert(id);
  }
  EXPECT_EQ(enabled, expected);
}

}  // namespace
