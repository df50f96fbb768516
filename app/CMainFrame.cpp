#include "app/CMainFrame.h"

#include <QIcon>
#include <cmath>
#include <filesystem>

#include "app/CMainFrameCommands.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmConfig.h"
#include "app/QlmResourceIds.h"
#include "platform/CQlmPrompter.h"
#include "platform/QlmPath.h"
#include "platform/gui/CPrintDialog.h"
#include "platform/gui/CWinApp.h"
#include "platform/gui/QlmResource.h"
#include "views/C3DFrame.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"

namespace {

// Ideal splitter size from a client extent: trunc(extent x fraction - 10), at least 0.
int IdealSize(int extent, double fraction) {
  return std::max(static_cast<int>(std::trunc(static_cast<double>(extent) * fraction - 10.0)), 0);
}

constexpr int MinimumPane = 50;

// The one filter of the project dialogs; "qlm" is added to a name without an extension.
constexpr const char* ProjectFilter = "Quillmar|*.qlm||";

CString WithProjectExtension(const CString& path) {
  return QlmPath::Extension(path.Str()).empty() ? path + ".qlm" : path;
}

CString FileNameOf(const CString& path) { return CString(QlmPath::FileName(path.Str())); }

void ShowCannotOpen(const CString& title) {
  QlmMessageBox("Erro ao abrir projeto\n" + title, "Atenção", QlmButtons::Ok, QlmIcon::Warning);
}

}  // namespace

CMainFrame::CMainFrame(ControllerFactory factory) : Factory(factory ? factory : &CQlmQuorvantile::New) {
  this->Splash.DoModal();
  this->CommandLine = 0;
  this->Quorvantile = this->Factory();
  this->Quorvantile->CreateObjects();
  CMainFrameCommands::Install(*this);
}

CMainFrame::~CMainFrame() {
  if (this->Quorvantile) {
    this->Quorvantile->Teardown();
    delete this->Quorvantile;
  }
}

BOOL CMainFrame::OnCreateClient() {
  if (!this->SplitterOuter.CreateStatic(this, 1, 2, 0, AFX_IDW_PANE_FIRST)) return FALSE;
  if (!this->SplitterLeft.CreateStatic(&this->SplitterOuter, 2, 1, 0, this->SplitterOuter.IdFromRowCol(0, 0)))
    return FALSE;
  if (!this->SplitterRight.CreateStatic(&this->SplitterOuter, 2, 1, 0, this->SplitterOuter.IdFromRowCol(0, 1))) {
    return FALSE;
  }
  return this->SplitterLeft.CreateView(0, 0, std::make_unique<CCrossWnd>()) &&
         this->SplitterLeft.CreateView(1, 0, std::make_unique<CPanoramicWnd>()) &&
         this->SplitterRight.CreateView(0, 0, std::make_unique<CAxialWnd>()) &&
         this->SplitterRight.CreateView(1, 0, std::make_unique<C3DFrame>());
}

int CMainFrame::OnCreate() {
  if (CFrameWnd::OnCreate() == -1) return -1;
  if (!this->CreateToolBars() || !this->CreateStatusBar()) return -1;
  this->DockHiddenBar(this->ReformatToolBar);
  this->DockHiddenBar(this->NerveToolBar);
  if (!this->CreateToolBarControls()) return -1;
  this->GetSafeHwnd()->setWindowIcon(QlmResource::LoadIcon(IDR_MAINFRAME));
  this->SetWindowTitle(Title);
  this->ShowWindow(SW_SHOWMAXIMIZED);
  this->SizeSplitters();
  this->TakePanes();
  CMainFrameCommands::Install(*this->Frame3D, this);
  this->DisableViews();
  this->GiveViewsTheController();
  this->BindController();
  this->ShowProjectInToolBars();
  this->SetFocus();
  if (this->CommandLine && AfxGetApp()) this->OpenCommandLineProject(AfxGetApp()->m_lpCmdLine);
  this->AutoMenuEnable = false;
  return 0;
}

// In this order: main (top), reformat and nerve (right), then the implant,
// orthodontic, endodontic, mesh and teeth bars in a row at the top.
bool CMainFrame::CreateToolBars() {
  const std::pair<CToolBar*, UINT> top[] = {{&this->ImplantToolBar, IDR_IMPLANT},
                                            {&this->OrtoToolBar, IDR_ORTO},
                                            {&this->EndoToolBar, IDR_ENDO},
                                            {&this->GeomsToolBar, IDR_GEOMS},
                                            {&this->DentesToolBar, IDR_DENTES}};
  auto create = [this](CToolBar& bar, UINT resource, DWORD side) {
    return bar.CreateEx(this, TBSTYLE_FLAT, side, CRect(), AFX_IDW_TOOLBAR) && bar.LoadToolBar(resource);
  };
  if (!create(this->MainToolBar, IDR_MAINFRAME, CBRS_ALIGN_TOP) ||
      !create(this->ReformatToolBar, IDR_REFORMAT, CBRS_ALIGN_RIGHT) ||
      !create(this->NerveToolBar, IDR_NERVE, CBRS_ALIGN_RIGHT)) {
    return false;
  }
  for (const auto& [bar, resource] : top) {
    if (!create(*bar, resource, CBRS_ALIGN_TOP)) return false;
  }
  int diameter = this->NerveToolBar.CommandToIndex(ID_NERVE_DIAMETER);
  this->NerveToolBar.SetButtonStyle(diameter, this->NerveToolBar.GetButtonStyle(diameter) | BTNS_DROPDOWN);
  return true;
}

bool CMainFrame::CreateToolBarControls() {
  if (!this->MainToolBar.CreateFields() || !this->ImplantToolBar.CreateControls() ||
      !this->OrtoToolBar.CreateControls() || !this->EndoToolBar.CreateControls() ||
      !this->GeomsToolBar.CreateControls() || !this->DentesToolBar.CreateControls()) {
    return false;
  }
  this->MainToolBar.EnableFields(FALSE);
  this->ImplantToolBar.EnableControls(FALSE);
  this->OrtoToolBar.EnableLibToolBarControls(FALSE);
  this->EndoToolBar.EnableLibToolBarControls(FALSE);
  this->GeomsToolBar.EnableLibToolBarControls(FALSE);
  this->DentesToolBar.EnableLibToolBarControls(FALSE);
  return true;
}

bool CMainFrame::CreateStatusBar() {
  const UINT indicators[] = {ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR};
  if (!this->StatusBar.Create(this, CBRS_ALIGN_BOTTOM, AFX_IDW_STATUS_BAR) ||
      !this->StatusBar.SetIndicators(indicators, 4)) {
    return false;
  }
  this->StatusBar.SetPaneInfo(1, 1, SBPS_NORMAL, InfoPaneWidth);
  this->StatusBar.SetPaneInfo(2, 2, SBPS_NORMAL, ViewPaneWidth);
  return true;
}

void CMainFrame::DockHiddenBar(CToolBar& bar) {
  bar.EnableDocking(CBRS_ALIGN_ANY);
  this->EnableDocking(CBRS_ALIGN_ANY);
  this->DockControlBar(&bar);
  this->ShowControlBar(&bar, FALSE, FALSE);
}

void CMainFrame::SetWindowTitle(const CString& title) { this->SetTitle(title); }

void CMainFrame::SizeSplitters(bool halves) {
  CRect client;
  this->GetClientRect(&client);
  this->SplitterOuter.SetColumnInfo(0, IdealSize(client.Width(), halves ? 0.5 : 0.53), MinimumPane);
  this->SplitterLeft.SetRowInfo(0, IdealSize(client.Height(), halves ? 0.5 : 0.67), MinimumPane);
  this->SplitterRight.SetRowInfo(0, IdealSize(client.Height(), halves ? 0.5 : 0.55), MinimumPane);
  this->SplitterOuter.RecalcLayout();
  this->SplitterLeft.RecalcLayout();
  this->SplitterRight.RecalcLayout();
}

void CMainFrame::TakePanes() {
  this->AxialView = static_cast<CAxialWnd*>(this->SplitterRight.GetPane(0, 0));
  this->CrossView = static_cast<CCrossWnd*>(this->SplitterLeft.GetPane(0, 0));
  this->PanoramicView = static_cast<CPanoramicWnd*>(this->SplitterLeft.GetPane(1, 0));
  this->Frame3D = static_cast<C3DFrame*>(this->SplitterRight.GetPane(1, 0));
  this->View3D = &this->Frame3D->View;
}

// No project is open: the post-load set-up enables them again.
void CMainFrame::DisableViews() {
  this->AxialView->EnableScrollBar(SB_VERT, ESB_DISABLE_BOTH);
  this->CrossView->EnableScrollBar(SB_VERT, ESB_DISABLE_BOTH);
  this->PanoramicView->EnableScrollBar(SB_VERT, ESB_DISABLE_BOTH);
  this->SplitterLeft.EnableWindow(FALSE);
  this->SplitterRight.EnableWindow(FALSE);
}

void CMainFrame::GiveViewsTheController() {
  this->AxialView->Quorvantile = this->Quorvantile;
  this->CrossView->Quorvantile = this->Quorvantile;
  this->PanoramicView->Quorvantile = this->Quorvantile;
  this->View3D->Quorvantile = this->Quorvantile;
  this->Frame3D->Quorvantile = this->Quorvantile;
}

void CMainFrame::BindController() {
  this->Quorvantile->SetViewWindows(this->AxialView, this->PanoramicView, this->View3D, this->CrossView, this,
                                    this->Frame3D);
  this->Quorvantile->Initialize();
}

CMainFrame::CommandLineProject CMainFrame::ProjectFromCommandLine(const CString& commandLine) {
  CommandLineProject project;
  CString path = commandLine;
  path.Replace("\"", "");
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(QlmPath::ToNative(path.Str()), error);
  if (!error && !path.IsEmpty()) path = CString(absolute.string());
  project.Path = path;
  project.Extension = path.Right(3);
  project.FileName = CString(QlmPath::FileName(path.Str()));
  project.Title = project.FileName.Left(project.FileName.GetLength() - 4);
  project.Ignored = project.Extension == "prt";
  return project;
}

void CMainFrame::OpenCommandLineProject(const CString& commandLine) {
  const CommandLineProject project = ProjectFromCommandLine(commandLine);
  if (project.Ignored) return;
  if (!this->OpenInFreshController(project.Path, project.Title, project.FileName, project.Extension)) {
    ShowCannotOpen(project.Title);
  }
}

void CMainFrame::OnDestroy() {
  if (!this->Quorvantile) return;
  this->Quorvantile->Teardown();
  delete this->Quorvantile;
  this->Quorvantile = nullptr;
}

void CMainFrame::ReplaceController() {
  this->Quorvantile->Teardown();
  delete this->Quorvantile;
  this->Quorvantile = this->Factory();
  this->Quorvantile->CreateObjects();
  this->GiveViewsTheController();
  this->BindController();
}

void CMainFrame::OnClose() {
  if (this->SaveModifiedProject()) CFrameWnd::OnClose();
}

bool CMainFrame::SaveModifiedProject() {
  if (!this->Quorvantile->Modified) return true;
  switch (QlmMessageBox("Salvar alterações para " + this->Quorvantile->ProjectFileName, "Atenção",
                        QlmButtons::YesNoCancel, QlmIcon::None)) {
    case QlmAnswer::Yes:
      return this->OnFileSave();
    case QlmAnswer::No:
      return true;
    default:
      return false;
  }
}

void CMainFrame::OnFileOpen() {
  if (this->Quorvantile->ProjectOpen && !this->SaveModifiedProject()) return;
  CString path = CQlmPrompter::Current().ChooseOpenFile("Abrir", CString(), ProjectFilter);
  if (path.IsEmpty()) return;
  path = WithProjectExtension(path);
  this->OpenChosenProject(path, CString(QlmPath::FileTitle(path.Str())), FileNameOf(path),
                          CString(QlmPath::Extension(path.Str())));
}

// The names come from the path itself: the extension is its last three characters.
void CMainFrame::OnOpenRecent(int index) {
  CString recent[CQlmQuorvantile::RecentCount];
  ReadConfigOpenRecent(recent);
  const CString path = recent[index];
  if (this->Quorvantile->ProjectOpen && !this->SaveModifiedProject()) return;
  this->OpenChosenProject(path, CQlmQuorvantile::RecentTitle(path), FileNameOf(path), path.Right(3));
}

void CMainFrame::OpenChosenProject(const CString& path, const CString& title, const CString& fileName,
                                   const CString& extension) {
  this->Quorvantile->Modified = 0;
  if (this->Quorvantile->ProjectOpen) this->CloseProject();
  if (!this->OpenInFreshController(path, title, fileName, extension)) ShowCannotOpen(title);
}

// Nothing of a file that failed half-way may reach the next project or save.
int CMainFrame::OpenInFreshController(const CString& path, const CString& title, const CString& fileName,
                                      const CString& extension) {
  const int opened = this->Quorvantile->OpenProject(path, title, fileName, extension);
  if (!opened) this->CloseProject();
  this->ShowProjectInToolBars();
  return opened;
}

BOOL CMainFrame::OnFileSave() {
  const CQlmQuorvantile& q = *this->Quorvantile;
  return this->Quorvantile->SaveProject(q.ProjectPath, q.ProjectFileName);
}

void CMainFrame::OnFileSaveAs() {
  CQlmQuorvantile& q = *this->Quorvantile;
  CString path = CQlmPrompter::Current().ChooseSaveFile("Salvar como", q.ProjectPath, ProjectFilter);
  if (path.IsEmpty()) return;
  path = WithProjectExtension(path);
  const CString title(QlmPath::FileTitle(path.Str()));
  q.Modified = 1;
  if (!q.SaveProject(path, title)) return;
  q.ProjectPath = path;
  q.ProjectTitle = title;
  q.ProjectFileName = FileNameOf(path);
  q.ProjectExtension = CString(QlmPath::Extension(path.Str()));
  this->SetWindowTitle(Title + title);
  q.PutRecentProject(path);
}

void CMainFrame::OnAppExit() {
  if (this->SaveModifiedProject()) this->DestroyWindow();
}

void CMainFrame::OnFileClose() {
  if (this->SaveModifiedProject()) this->CloseProject();
}

void CMainFrame::CloseProject() {
  if (this->Quorvantile->CurveEditing) this->Quorvantile->ToggleCurveEdit();
  if (this->Quorvantile->NerveEditing) this->Quorvantile->ToggleNerveEdit();
  this->DisableViews();
  this->ReplaceController();
  this->AxialView->Invalidate();
  this->CrossView->Invalidate();
  this->PanoramicView->Invalidate();
  this->Quorvantile->Window3D->Render();
  this->StatusBar.SetPaneText(1, "");
  this->StatusBar.SetPaneText(2, "");
  this->SetWindowTitle(Title);
  this->ShowProjectInToolBars();
}

void CMainFrame::OnShowSplash() {
  CDialogSplashScreen splash;
  splash.TimerFlag = 0;
  splash.DoModal();
}

void CMainFrame::OnPrintSetup() {
  CPrintDialog setup(TRUE);
  setup.DoModal();
}

void CMainFrame::OnNextPane(bool previous) {
  CWnd* const panes[] = {this->CrossView, this->PanoramicView, this->AxialView, this->View3D};
  constexpr int count = static_cast<int>(std::size(panes));
  int next = previous ? count - 1 : 0;
  for (int index = 0; index < count; ++index) {
    if (panes[index]->HasFocusWithin()) next = (index + (previous ? count - 1 : 1)) % count;
  }
  panes[next]->SetFocus();
}

void CMainFrame::OnToggleToolBar(CToolBar& bar) {
  this->ShowControlBar(&bar, !bar.IsVisible(), FALSE);
  this->RecalcLayout();
  const int shown[5] = {this->ImplantToolBar.IsVisible(), this->OrtoToolBar.IsVisible(), this->GeomsToolBar.IsVisible(),
                        this->DentesToolBar.IsVisible(), this->EndoToolBar.IsVisible()};
  WriteConfigShowToolBars(shown);
}

void CMainFrame::ShowProjectInToolBars() {
  const CQlmQuorvantile& q = *this->Quorvantile;
  auto libraryUsable = [&q](int kind) { return q.ProjectOpen && q.LibraryAvailable[kind]; };
  this->MainToolBar.EnableFields(q.ProjectOpen);
  this->ImplantToolBar.EnableControls(libraryUsable(CQlmQuorvantile::Implants));
  this->OrtoToolBar.EnableLibToolBarControls(libraryUsable(CQlmQuorvantile::Orthodontic));
  this->EndoToolBar.EnableLibToolBarControls(libraryUsable(CQlmQuorvantile::Endodontic));
  this->GeomsToolBar.EnableLibToolBarControls(libraryUsable(CQlmQuorvantile::Meshes));
  this->DentesToolBar.EnableLibToolBarControls(libraryUsable(CQlmQuorvantile::Teeth));
}

void CMainFrame::OnKeyDown(UINT key, UINT repeat, UINT flags) {
  if (this->Quorvantile) this->Quorvantile->OnAxialViewKeyDown(key, repeat, flags);
  CFrameWnd::OnKeyDown(key, repeat, flags);
}

UINT CMainFrame::NerveDiameterEntry(double diameter) {
  const std::pair<int, UINT> entries[] = {{20, 32972}, {22, 32973}, {24, 32974}, {26, 32975}, {28, 32968}, {30, 32969},
                                          {32, 32970}, {34, 32976}, {36, 32977}, {38, 32978}, {40, 32979}};
  const double tenths = std::trunc(diameter * 10.0 + 0.05);
  for (const auto& [entryTenths, entry] : entries) {
    if (tenths == entryTenths) return entry;
  }
  return 0;
}

void CMainFrame::OnToolBarDropDown(CToolBar& bar, UINT id) {
  if (id != ID_NERVE_DIAMETER || !this->Quorvantile) return;
  CMenu menu;
  if (!menu.LoadMenu(IDR_NERVE_DIAMETER)) return;
  CMenu* popup = menu.GetSubMenu(0);
  if (!popup) return;
  CRect button;
  bar.GetItemRect(bar.CommandToIndex(id), &button);
  bar.ClientToScreen(&button);
  for (QMenu* entries : popup->AllMenus()) this->UpdateMenuCmdUI(entries);
  if (std::optional<float> diameter = this->Quorvantile->CurrentNerveDiameter()) {
    if (UINT entry = NerveDiameterEntry(*diameter)) popup->CheckMenuItem(entry, MF_CHECKED);
  }
  const UINT chosen =
      popup->TrackPopupMenu(TPM_RIGHTALIGN | TPM_RETURNCMD, button.left, button.top + button.Height() / 2, this);
  if (chosen) this->RunCommand(chosen);
}
