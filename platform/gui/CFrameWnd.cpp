#include "platform/gui/CFrameWnd.h"

#include <QCoreApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <algorithm>

#include "platform/gui/CCmdUI.h"
#include "platform/gui/CStatusBar.h"
#include "platform/gui/CToolBar.h"
#include "platform/gui/CWinApp.h"

namespace {

Qt::ToolBarArea AreaOf(DWORD align) {
  if (align & CBRS_ALIGN_RIGHT) return Qt::RightToolBarArea;
  if (align & CBRS_ALIGN_LEFT) return Qt::LeftToolBarArea;
  if (align & CBRS_ALIGN_BOTTOM) return Qt::BottomToolBarArea;
  return Qt::TopToolBarArea;
}

Qt::ToolBarAreas AreasOf(DWORD sides) {
  Qt::ToolBarAreas areas;
  if (sides & CBRS_ALIGN_TOP) areas |= Qt::TopToolBarArea;
  if (sides & CBRS_ALIGN_BOTTOM) areas |= Qt::BottomToolBarArea;
  if (sides & CBRS_ALIGN_LEFT) areas |= Qt::LeftToolBarArea;
  if (sides & CBRS_ALIGN_RIGHT) areas |= Qt::RightToolBarArea;
  return areas;
}

}  // namespace

CFrameWnd::CFrameWnd() {
  this->MapCommand(ID_VIEW_TOOLBAR, [this] { this->ToggleBar(ID_VIEW_TOOLBAR); });
  this->MapCommand(ID_VIEW_STATUS_BAR, [this] { this->ToggleBar(ID_VIEW_STATUS_BAR); });
  this->MapUpdateCommandUIRange(ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, [this](CCmdUI* ui) {
    CWnd* bar = this->GetControlBar(ui->ID);
    ui->Enable(bar != nullptr);
    ui->SetCheck(bar && bar->IsWindowVisible());
  });
}

CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent) {
  this->ResourceID = resourceId;
  if (!this->Create(style, CRect(), parent, 0)) return FALSE;
  return TRUE;
}

QWidget* CFrameWnd::CreateWidget(QWidget* parent) {
  auto* window = new QMainWindow(parent);
  // A frame inside another window (a splitter pane) is a plain child widget.
  if (parent) window->setWindowFlags(Qt::Widget);
  window->setDockNestingEnabled(false);
  return window;
}

void CFrameWnd::GetClientRect(CRect* rect) const {
  CWnd::GetClientRect(rect);
  QMainWindow* window = this->GetMainWindow();
  if (window && window->menuWidget() && window->menuWidget()->isVisible())
    rect->bottom -= window->menuWidget()->height();
}

QMainWindow* CFrameWnd::GetMainWindow() const { return static_cast<QMainWindow*>(this->GetSafeHwnd()); }

int CFrameWnd::OnCreate() {
  this->InstallMenu();
  this->InstallAccelerators();
  // Owned by this object, not the widget: it must not outlive the handlers it calls.
  this->IdleTimer = std::make_unique<QTimer>();
  QObject::connect(this->IdleTimer.get(), &QTimer::timeout, [this] { this->UpdateToolBarsCmdUI(); });
  this->IdleTimer->start(IdleUpdateMs);
  return this->OnCreateClient() ? 0 : -1;
}

void CFrameWnd::InstallMenu() {
  if (!this->Menu.LoadMenu(this->ResourceID)) return;
  QMenuBar* bar = this->GetMainWindow()->menuBar();
  for (QAction* popup : this->Menu.GetQMenu()->actions()) {
    if (popup->menu()) bar->addMenu(popup->menu());
  }
  for (QMenu* menu : this->Menu.AllMenus()) this->ConnectMenu(menu);
}

void CFrameWnd::ConnectMenu(QMenu* menu) {
  QObject::connect(menu, &QMenu::aboutToShow, [this, menu] { this->UpdateMenuCmdUI(menu); });
  for (QAction* action : menu->actions()) {
    if (action->menu() || action->isSeparator()) continue;
    UINT id = action->data().toUInt();
    QObject::connect(action, &QAction::triggered, [this, id] { this->RunCommand(id); });
  }
}

void CFrameWnd::InstallAccelerators() {
  const auto* accelerators = QlmResource::FindAccelerators(this->ResourceID);
  if (!accelerators) return;
  for (const auto& accelerator : *accelerators) {
    auto* shortcut = new QShortcut(QKeySequence(QString::fromStdString(accelerator.Keys.Str())), this->GetSafeHwnd());
    UINT id = accelerator.ID;
    QObject::connect(shortcut, &QShortcut::activated, [this, id] { this->RunCommand(id); });
  }
}

void CFrameWnd::OnChildCreated(CWnd* child) {
  if (child->GetDlgCtrlID() == AFX_IDW_PANE_FIRST) this->GetMainWindow()->setCentralWidget(child->GetSafeHwnd());
}

void CFrameWnd::PostNcDestroy() {
  if (this->IdleTimer) this->IdleTimer->stop();
  CWinApp* app = AfxGetApp();
  if (app && app->m_pMainWnd == this) QCoreApplication::quit();
}

bool CFrameWnd::OnStatusTip(const CString& prompt) {
  if (!this->StatusBar || this->StatusBar->GetCount() == 0) return false;
  this->StatusBar->SetPaneText(0, prompt.IsEmpty() ? QlmResource::LoadString(AFX_IDS_IDLEMESSAGE) : prompt);
  return true;
}

void CFrameWnd::SetTitle(const CString& title) {
  this->Title = title;
  this->OnUpdateFrameTitle();
}

void CFrameWnd::OnUpdateFrameTitle() { this->SetWindowText(this->Title); }

void CFrameWnd::EnableDocking(DWORD sides) { this->DockingSides = sides; }

void CFrameWnd::DockControlBar(CToolBar* bar) {
  auto* toolBar = static_cast<QToolBar*>(bar->GetSafeHwnd());
  if (!toolBar) return;
  toolBar->setMovable(this->DockingSides != 0);
  toolBar->setAllowedAreas(AreasOf(this->DockingSides & bar->DockingSides));
  this->GetMainWindow()->addToolBar(AreaOf(bar->GetBarAlignment()), toolBar);
}

void CFrameWnd::ShowControlBar(CToolBar* bar, BOOL show, BOOL) { bar->ShowWindow(show ? SW_SHOW : SW_HIDE); }

void CFrameWnd::RecalcLayout() {
  if (QLayout* layout = this->GetSafeHwnd() ? this->GetSafeHwnd()->layout() : nullptr) layout->activate();
}

CWnd* CFrameWnd::GetControlBar(UINT id) const {
  for (CToolBar* bar : this->ToolBars) {
    if (bar->GetDlgCtrlID() == id) return bar;
  }
  if (this->StatusBar && this->StatusBar->GetDlgCtrlID() == id) return this->StatusBar;
  return nullptr;
}

void CFrameWnd::ToggleBar(UINT id) {
  CWnd* bar = this->GetControlBar(id);
  if (!bar) return;
  bar->ShowWindow(bar->IsWindowVisible() ? SW_HIDE : SW_SHOW);
  this->RecalcLayout();
}

void CFrameWnd::RunCommand(UINT id) {
  CCmdUI state(id, nullptr);
  this->OnCmdMsg(id, QlmCmdCode::Update, &state);
  if (!state.Enabled) return;
  this->OnCmdMsg(id, QlmCmdCode::Command, nullptr);
}

void CFrameWnd::UpdateToolBarsCmdUI() {
  for (CToolBar* bar : this->ToolBars) {
    if (bar->IsWindowVisible()) bar->OnUpdateCmdUI(this, true);
  }
}

void CFrameWnd::UpdateMenuCmdUI(QMenu* menu) {
  for (QAction* action : menu->actions()) {
    if (action->menu() || action->isSeparator()) continue;
    CCmdUI ui(action->data().toUInt(), action);
    ui.DoUpdate(this, this->AutoMenuEnable);
  }
}

bool CFrameWnd::OnCmdMsg(UINT id, QlmCmdCode code, CCmdUI* ui) {
  if (CCmdTarget::OnCmdMsg(id, code, ui)) return true;
  CWinApp* app = AfxGetApp();
  return app && app->OnCmdMsg(id, code, ui);
}

void CFrameWnd::AddToolBar(CToolBar* bar) {
  this->ToolBars.push_back(bar);
  auto* toolBar = static_cast<QToolBar*>(bar->GetSafeHwnd());
  toolBar->setMovable(false);
  // Bars that are not docked take a line of their own, one under the other.
  Qt::ToolBarArea area = AreaOf(bar->GetBarAlignment());
  QMainWindow* window = this->GetMainWindow();
  bool taken = std::any_of(this->ToolBars.begin(), this->ToolBars.end() - 1, [window, area](CToolBar* other) {
    return window->toolBarArea(static_cast<QToolBar*>(other->GetSafeHwnd())) == area;
  });
  if (taken) window->addToolBarBreak(area);
  window->addToolBar(area, toolBar);
}

void CFrameWnd::RemoveToolBar(CToolBar* bar) {
  this->ToolBars.erase(std::remove(this->ToolBars.begin(), this->ToolBars.end(), bar), this->ToolBars.end());
}

void CFrameWnd::SetStatusBar(CStatusBar* bar) {
  this->StatusBar = bar;
  if (bar) this->GetMainWindow()->setStatusBar(static_cast<QStatusBar*>(bar->GetSafeHwnd()));
}
