#include <QApplication>
#include <QMainWindow>
#include <QScrollBar>
#include <QToolBar>
#include <cmath>

#include "ShellFixture.h"
#include "app/CMainFrame.h"
#include "app/CQlmObserverQuorvantile.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmResourceIds.h"
#include "views/C3DFrame.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/vtkObserverRender3DStart.h"

namespace {

std::vector<std::string>* lifeLog = nullptr;
int controllersMade = 0;

// Records each stage of its life, with what the frame had done by then.
class RecordingQuorvantile : public CQlmQuorvantile {
public:
  static CQlmQuorvantile* Make() { return new RecordingQuorvantile(++controllersMade); }
  ~RecordingQuorvantile() override { Log("delete"); }

  void CreateObjects() override {
    bool frameWindowExists = false;
    for (QWidget* widget : QApplication::topLevelWidgets())
      frameWindowExists |= qobject_cast<QMainWindow*>(widget) != nullptr;
    Log(frameWindowExists ? "create objects (with a window)" : "create objects");
    CQlmQuorvantile::CreateObjects();
  }
  void SetViewWindows(CAxialWnd* axial, CPanoramicWnd* panoramic, C3DWnd* view3D, CCrossWnd* cross, CMainFrame* frame,
                      C3DFrame* frame3D) override {
    bool viewsKnowMe = axial->Quorvantile == this && panoramic->Quorvantile == this && cross->Quorvantile == this &&
                       view3D->Quorvantile == this && frame3D->Quorvantile == this;
    Log(viewsKnowMe ? "set view windows" : "set view windows (views hold another controller)");
    CQlmQuorvantile::SetViewWindows(axial, panoramic, view3D, cross, frame, frame3D);
  }
  void Initialize() override {
    Log("initialize");
    CQlmQuorvantile::Initialize();
  }
  void Teardown() override {
    Log("teardown");
    CQlmQuorvantile::Teardown();
  }

private:
  explicit RecordingQuorvantile(int number) : Number(number) { Log("new"); }
  void Log(const std::string& stage) const {
    if (lifeLog) lifeLog->push_back(stage + " " + std::to_string(this->Number));
  }
  int Number;
};

// What must hold for a controller in the state without a project.
struct StartUpState {
  int Tool, ProjectOpen, Modified, CurveEditing, NerveEditing, ThickPanoramic, SagittalCoronal;
  int RenderingOn;
  bool HostsAreTheViews, StatusTargetIsTheObserver, ProgressBarInPane3;
  float Background3D[3];
  std::vector<bool> LibraryBarsShown;
  std::vector<std::string> Recent;
  std::string Title;

  static StartUpState Of(CMainFrame& frame) {
    CQlmQuorvantile& q = *frame.GetController();
    StartUpState state{};
    state.Tool = q.Tool;
    state.ProjectOpen = q.ProjectOpen;
    state.Modified = q.Modified;
    state.CurveEditing = q.CurveEditing;
    state.NerveEditing = q.NerveEditing;
    state.ThickPanoramic = q.ThickPanoramic;
    state.SagittalCoronal = q.SagittalCoronal;
    state.RenderingOn =
        q.WindowAxial->Enabled + q.WindowPanoramic->Enabled + q.Window3D->Enabled + q.WindowCross->Enabled;
    state.HostsAreTheViews = q.WindowAxial->GetHostWindow() == frame.AxialView->GetSafeHwnd() &&
                             q.WindowPanoramic->GetHostWindow() == frame.PanoramicView->GetSafeHwnd() &&
                             q.Window3D->GetHostWindow() == frame.View3D->GetSafeHwnd() &&
                             q.WindowCross->GetHostWindow() == frame.CrossView->GetSafeHwnd();
    state.StatusTargetIsTheObserver = q.Window3D->StartObserver->GetStatusTarget() == q.StatusObserver &&
                                      q.Window3D->EndObserver->GetStatusTarget() == q.StatusObserver;
    CRect pane, bar;
    frame.StatusBar.GetItemRect(3, &pane);
    CProgressBar& progress = q.StatusObserver->GetProgressBar();
    bar = progress.GetLastRect();
    state.ProgressBarInPane3 =
        progress.GetSafeHwnd() && progress.GetPane() == 3 && bar.left == pane.left + 1 && bar.right == pane.right - 1;
    std::copy(q.Window3D->GetBackground(), q.Window3D->GetBackground() + 3, state.Background3D);
    for (CToolBar* bar :
         std::initializer_list<CToolBar*>{&frame.ImplantToolBar, &frame.OrtoToolBar, &frame.GeomsToolBar,
                                          &frame.DentesToolBar, &frame.EndoToolBar}) {
      state.LibraryBarsShown.push_back(!bar->GetSafeHwnd()->isHidden());
    }
    for (const CString& path : q.RecentProjects) state.Recent.push_back(path.Str());
    state.Title = frame.GetWindowText().Str();
    return state;
  }

  bool operator==(const StartUpState&) const = default;
};

class MainFrameFixture : public ShellFixture {
protected:
  void SetUp() override {
    ShellFixture::SetUp();
    lifeLog = &this->Log;
    controllersMade = 0;
  }
  void TearDown() override {
    lifeLog = nullptr;
    ShellFixture::TearDown();
  }

  // Starts as the application does: the frame (splash, controller), then its window.
  std::unique_ptr<CMainFrame> Start() { return this->StartFrame(&RecordingQuorvantile::Make); }

  std::vector<std::string> Log;
};

TEST_F(MainFrameFixture, StartUpFileCloseAndShutDownRunTheControllerStagesInOrder) {
  WriteSettings({"Open Recent: ", "/exames/a.qlm", "", "/exames/c.qlm", "", ""});
  auto frame = Start();
  ASSERT_EQ(ModalDialogs, std::vector<UINT>{IDD_SPLASH});  // shown once, before the controller
  EXPECT_EQ(Log, (std::vector<std::string>{"new 1", "create objects 1", "set view windows 1", "initialize 1"}));
  StartUpState atStart = StartUpState::Of(*frame);
  EXPECT_EQ(atStart.Tool, 0);
  EXPECT_EQ(atStart.ProjectOpen + atStart.Modified + atStart.CurveEditing + atStart.NerveEditing, 0);
  EXPECT_EQ(atStart.RenderingOn, 0);
  EXPECT_TRUE(atStart.HostsAreTheViews);
  EXPECT_TRUE(atStart.StatusTargetIsTheObserver);
  EXPECT_TRUE(atStart.ProgressBarInPane3);
  EXPECT_FLOAT_EQ(atStart.Background3D[0], 0.33f);
  EXPECT_EQ(atStart.LibraryBarsShown, (std::vector<bool>{true, false, false, false, false}));
  EXPECT_EQ(atStart.Recent, (std::vector<std::string>{"/exames/a.qlm", "", "/exames/c.qlm", "", ""}));
  EXPECT_EQ(atStart.Title, "Quorvantile 2021R ");

  Log.clear();
  frame->StatusBar.SetPaneText(1, "Implante 1");
  frame->SetWindowTitle("Quorvantile 2021R paciente");
  frame->OnFileClose();
  EXPECT_EQ(Log, (std::vector<std::string>{"teardown 1", "delete 1", "new 2", "create objects (with a window) 2",
                                           "set view windows 2", "initialize 2"}));
  EXPECT_TRUE(StartUpState::Of(*frame) == atStart);
  EXPECT_EQ(frame->StatusBar.GetPaneText(1), CString());
  EXPECT_FALSE(frame->AxialView->GetVerticalScrollBar()->isEnabled());

  Log.clear();
  frame->DestroyWindow();
  EXPECT_EQ(Log, (std::vector<std::string>{"teardown 2", "delete 2"}));
  EXPECT_EQ(frame->GetController(), nullptr);
}

TEST_F(MainFrameFixture, TheWindowIsLaidOutAsAtStartUp) {
  auto frame = Start();
  QMainWindow* window = frame->GetMainWindow();
  EXPECT_EQ(window->windowTitle(), QString("Quorvantile 2021R "));
  EXPECT_FALSE(frame->AutoMenuEnable);

  // Cross-section over panoramic on the left, axial over the 3D frame on the right.
  auto origin = [](CWnd* pane) { return pane->GetSafeHwnd()->mapToGlobal(QPoint(0, 0)); };
  EXPECT_LT(origin(frame->CrossView).y(), origin(frame->PanoramicView).y());
  EXPECT_LT(origin(frame->AxialView).y(), origin(frame->Frame3D).y());
  EXPECT_LT(origin(frame->CrossView).x(), origin(frame->AxialView).x());
  EXPECT_EQ(frame->View3D, &frame->Frame3D->View);

  CRect client;
  frame->GetClientRect(&client);
  auto ideal = [](int extent, double fraction) {
    return std::max(static_cast<int>(std::trunc(extent * fraction - 10.0)), 0);
  };
  int current = 0, minimum = 0;
  frame->SplitterOuter.GetColumnInfo(0, current, minimum);
  EXPECT_EQ(current, ideal(client.Width(), 0.53));
  EXPECT_EQ(minimum, 50);
  frame->SplitterLeft.GetRowInfo(0, current, minimum);
  EXPECT_EQ(current, ideal(client.Height(), 0.67));
  frame->SplitterRight.GetRowInfo(0, current, minimum);
  EXPECT_EQ(current, ideal(client.Height(), 0.55));

  // No project: scroll bars and the inner splitters are off.
  for (CWnd* view : {static_cast<CWnd*>(frame->AxialView), static_cast<CWnd*>(frame->CrossView),
                     static_cast<CWnd*>(frame->PanoramicView)}) {
    EXPECT_FALSE(view->GetVerticalScrollBar()->isEnabled());
  }
  EXPECT_FALSE(frame->SplitterLeft.IsWindowEnabled());
  EXPECT_FALSE(frame->SplitterRight.IsWindowEnabled());

  // Four panes; the information panes 370 and 130 pixels wide.
  ASSERT_EQ(frame->StatusBar.GetCount(), 4);
  CRect info, view;
  frame->StatusBar.GetItemRect(1, &info);
  frame->StatusBar.GetItemRect(2, &view);
  EXPECT_EQ(info.Width(), 370);
  EXPECT_EQ(view.Width(), 130);

  // Reformat and nerve bars docked at the right and hidden; the nerve diameter drops down.
  for (CToolBar* bar : std::initializer_list<CToolBar*>{&frame->ReformatToolBar, &frame->NerveToolBar}) {
    auto* toolBar = static_cast<QToolBar*>(bar->GetSafeHwnd());
    EXPECT_TRUE(toolBar->isHidden());
    EXPECT_EQ(window->toolBarArea(toolBar), Qt::RightToolBarArea);
  }
  int diameter = frame->NerveToolBar.CommandToIndex(ID_NERVE_DIAMETER);
  EXPECT_TRUE(frame->NerveToolBar.GetButtonStyle(diameter) & BTNS_DROPDOWN);
  for (CToolBar* bar :
       std::initializer_list<CToolBar*>{&frame->MainToolBar, &frame->ImplantToolBar, &frame->OrtoToolBar,
                                        &frame->EndoToolBar, &frame->GeomsToolBar, &frame->DentesToolBar}) {
    EXPECT_EQ(window->toolBarArea(static_cast<QToolBar*>(bar->GetSafeHwnd())), Qt::TopToolBarArea);
  }
}

TEST_F(MainFrameFixture, LibraryToolBarsFollowTheSettingsFile) {
  WriteSettings({"Show ToolBars: ;0;1;1;0;1;"});
  auto frame = Start();
  EXPECT_EQ(StartUpState::Of(*frame).LibraryBarsShown, (std::vector<bool>{false, true, true, false, true}));
}

TEST(CMainFrame, TheCommandLineNamesAProjectUnlessItEndsInPrt) {
  struct Case {
    const char* CommandLine;
    const char* Path;
    const char* Title;
    const char* FileName;
    const char* Extension;
    bool Ignored;
  };
  const Case cases[] = {
      {"\"/exames/Maria Silva/maria.qlm\"", "/exames/Maria Silva/maria.qlm", "maria", "maria.qlm", "qlm", false},
      {"/exames/modelo.prt", "/exames/modelo.prt", "modelo", "modelo.prt", "prt", true},
      {"/exames/MODELO.PRT", "/exames/MODELO.PRT", "MODELO", "MODELO.PRT", "PRT", false},
      {"C:\\Exames\\joao.qlm", nullptr, "joao", "joao.qlm", "qlm", false},
  };
  for (const Case& test : cases) {
    CMainFrame::CommandLineProject project = CMainFrame::ProjectFromCommandLine(test.CommandLine);
    if (test.Path) {
      EXPECT_EQ(project.Path, CString(test.Path)) << test.CommandLine;
    }
    EXPECT_EQ(project.Title, CString(test.Title)) << test.CommandLine;
    EXPECT_EQ(project.FileName, CString(test.FileName)) << test.CommandLine;
    EXPECT_EQ(project.Extension, CString(test.Extension)) << test.CommandLine;
    EXPECT_EQ(project.Ignored, test.Ignored) << test.CommandLine;
  }
  // A relative path becomes absolute.
  EXPECT_EQ(CMainFrame::ProjectFromCommandLine("a.qlm").Path,
            CString((std::filesystem::current_path() / "a.qlm").string()));
}

}  // namespace
