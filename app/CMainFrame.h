#pragma once
// The main window: menu, the tool bars, the status bar with four panes and
// three splitters holding the cross-section view over the panoramic view on
// the left and the axial view over the 3D frame on the right. It owns one
// controller at a time: made in the constructor (after the splash picture),
// bound to the views when the window is created, replaced by File/Close and
// torn down when the window is destroyed.
#include "app/CDialogSplashScreen.h"
#include "platform/gui/CFrameWnd.h"
#include "platform/gui/CSplitterWnd.h"
#include "platform/gui/CStatusBar.h"
#include "platform/gui/CToolBar.h"

class C3DFrame;
class C3DWnd;
class CAxialWnd;
class CCrossWnd;
class CPanoramicWnd;
class CQlmQuorvantile;

class CMainFrame : public CFrameWnd {
public:
  using ControllerFactory = CQlmQuorvantile* (*)();
  static constexpr const char* Title = "Quorvantile 2021R ";

  // Shows the splash picture, then makes the controller and its objects.
  // `factory` makes controllers (CQlmQuorvantile::New unless a test says otherwise).
  explicit CMainFrame(ControllerFactory factory = nullptr);
  ~CMainFrame() override;

  // The title; the caption shows exactly this text.
  void SetWindowTitle(const CString& title);
  CQlmQuorvantile* GetController() const { return this->Quorvantile; }

  // File/Close: the views are disabled, the controller is replaced by a fresh
  // one in the start-up state, the status panes and the title are reset.
  void OnFileClose();
  // Tears the controller down, deletes it and binds a new one to the views.
  void ReplaceController();
  // Info/Imagem de Abertura: the splash picture until a key is typed.
  void OnShowSplash();

  // A project path named on the command line: quotes removed, made absolute;
  // the title is the file name without its last four characters. A path whose
  // last three characters are "prt" is ignored.
  struct CommandLineProject {
    CString Path;
    CString Title;
    CString FileName;
    CString Extension;
    bool Ignored = false;
  };
  static CommandLineProject ProjectFromCommandLine(const CString& commandLine);

  CQlmQuorvantile* Quorvantile = nullptr;
  CAxialWnd* AxialView = nullptr;
  CCrossWnd* CrossView = nullptr;
  CPanoramicWnd* PanoramicView = nullptr;
  C3DFrame* Frame3D = nullptr;
  C3DWnd* View3D = nullptr;
  CDialogSplashScreen Splash;
  // 1 when the program was started with a command line (read once when the window is made).
  int CommandLine = 0;
  CStatusBar StatusBar;
  CToolBar MainToolBar;
  CToolBar ImplantToolBar;
  CToolBar OrtoToolBar;
  CToolBar GeomsToolBar;
  CToolBar DentesToolBar;
  CToolBar EndoToolBar;
  CToolBar ReformatToolBar;
  CToolBar NerveToolBar;
  CSplitterWnd SplitterOuter;
  CSplitterWnd SplitterLeft;
  CSplitterWnd SplitterRight;

  // Pane widths of the status bar's information panes 1 and 2.
  static constexpr int InfoPaneWidth = 370;
  static constexpr int ViewPaneWidth = 130;

protected:
  BOOL OnCreateClient() override;
  int OnCreate() override;
  void OnDestroy() override;

private:
  bool CreateToolBars();
  bool CreateStatusBar();
  void DockHiddenBar(CToolBar& bar);
  void SizeSplitters();
  void TakePanes();
  void DisableViews();
  void GiveViewsTheController();
  void BindController();

  ControllerFactory Factory;
};
