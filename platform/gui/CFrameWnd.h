#pragma once
// A frame window over QMainWindow: menu bar, tool bars, status bar and one
// client window. Commands from its menu, tool bars and accelerators are
// checked with their update handler and then routed: the frame's own command
// map first, then the application's. Update handlers run when a menu is about
// to show and, for the tool bars, on an idle timer.
#include <memory>
#include <vector>

#include "platform/gui/CMenu.h"
#include "platform/gui/CWnd.h"

class CStatusBar;
class CToolBar;
class QMainWindow;
class QTimer;

class CFrameWnd : public CWnd {
public:
  CFrameWnd();
  ~CFrameWnd() override;

  // Makes the frame window with menu `resourceId` and its accelerators (when
  // registered); OnCreate then builds the client (OnCreateClient) and what
  // the subclass adds. FALSE when creation failed.
  virtual BOOL LoadFrame(UINT resourceId, DWORD style = 0, CWnd* parent = nullptr);

  // The frame's title; the caption shows it exactly.
  void SetTitle(const CString& title);
  const CString& GetTitle() const { return this->Title; }
  virtual void OnUpdateFrameTitle();

  // Sides (CBRS_ALIGN_...) on which bars may dock.
  void EnableDocking(DWORD sides);
  // Docks the bar at the side of its alignment style.
  void DockControlBar(CToolBar* bar);
  void ShowControlBar(CToolBar* bar, BOOL show, BOOL delay);
  virtual void RecalcLayout();

  // The area below the menu bar (tool bars and status bar included).
  void GetClientRect(CRect* rect) const override;

  CStatusBar* GetMessageBar() const { return this->StatusBar; }
  const std::vector<CToolBar*>& GetToolBars() const { return this->ToolBars; }
  // The first bar with that control identifier.
  CWnd* GetControlBar(UINT id) const;
  CMenu* GetMenu() { return &this->Menu; }
  QMainWindow* GetMainWindow() const;

  // Runs a command as the user's choice would: not when its update handler
  // disables it.
  void RunCommand(UINT id);
  // Runs the update handlers of every tool-bar button now (the idle timer does).
  void UpdateToolBarsCmdUI();
  // Runs the update handlers of the entries of one pop-up (before it shows).
  void UpdateMenuCmdUI(QMenu* menu);
  // Routes the entries of a pop-up of the frame's menu as RunCommand and runs
  // their update handlers before it shows; for pop-ups built after creation.
  void ConnectMenu(QMenu* menu);

  bool OnCmdMsg(UINT id, QlmCmdCode code, CCmdUI* ui) override;

  // A tool-bar button's drop-down arrow was pressed.
  virtual void OnToolBarDropDown(CToolBar& bar, UINT id) { (void)bar, (void)id; }

  // Menu entries without any handler are disabled before the menu shows.
  bool AutoMenuEnable = true;
  // Period of the idle update of the tool bars.
  static constexpr int IdleUpdateMs = 250;

protected:
  QWidget* CreateWidget(QWidget* parent) override;
  int OnCreate() override;
  void OnChildCreated(CWnd* child) override;
  void PostNcDestroy() override;
  // Tool-bar prompts go to the first status pane, "Pronto" when the pointer leaves.
  bool OnStatusTip(const CString& prompt) override;
  // Builds the client area; FALSE fails the creation.
  virtual BOOL OnCreateClient() { return TRUE; }

private:
  friend class CStatusBar;
  friend class CToolBar;
  void AddToolBar(CToolBar* bar);
  void RemoveToolBar(CToolBar* bar);
  void SetStatusBar(CStatusBar* bar);
  void InstallMenu();
  void InstallAccelerators();
  void ToggleBar(UINT id);

  CMenu Menu;
  UINT ResourceID = 0;
  CString Title;
  DWORD DockingSides = 0;
  std::vector<CToolBar*> ToolBars;
  CStatusBar* StatusBar = nullptr;
  std::unique_ptr<QTimer> IdleTimer;
};
