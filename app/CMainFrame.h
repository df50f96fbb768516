#pragma once
// The main window: menu, the tool bars, the status bar with four panes and
// three splitters holding the cross-section view over the panoramic view on
// the left and the axial view over the 3D frame on the right. It owns one
// controller at a time: made in the constructor (after the splash picture),
// bound to the views when the window is created, replaced by File/Close and
// after a failed open, torn down when the window is destroyed.
#include "app/CDentesToolBar.h"
#include "app/CDialogSplashScreen.h"
#include "app/CEndoToolBar.h"
#include "app/CGeomsToolBar.h"
#include "app/CImplantToolBar.h"
#include "app/CMainToolBar.h"
#include "app/COrtoToolBar.h"
#include "app/CReformatToolBar.h"
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

  // File/Abrir: the save question, the file dialog, File/Close, then the open.
  void OnFileOpen();
  // Entry `index` of "Abrir Recentes": the path the settings file holds there now.
  void OnOpenRecent(int index);
  // File/Salvar; TRUE when the project was written.
  BOOL OnFileSave();
  // File/Salvar Como: the project takes the new name only once it is written there.
  void OnFileSaveAs();
  // File/Sair: the save question, then the window goes.
  void OnAppExit();
  // File/Close: the save question; then the views are disabled, the controller
  // is replaced by a fresh one in the start-up state, the status panes and
  // the title are reset.
  void OnFileClose();
  // Tears the controller down, deletes it and binds a new one to the views.
  void ReplaceController();
  // Info/Imagem de Abertura: the splash picture until a key is typed.
  void OnShowSplash();
  // The print set-up form; the choice is not kept.
  void OnPrintSetup();
  // F6 and Shift+F6: the keyboard focus to the next (previous) view, in the
  // order cross-section, panoramic, axial, 3D.
  void OnNextPane(bool previous);
  // Shows or hides a library tool bar and writes which of them show to the settings file.
  void OnToggleToolBar(CToolBar& bar);
  // The main tool bar's fields by the project-open flag, each library tool
  // bar by that flag and whether a library of its kind exists.
  void ShowProjectInToolBars();
  // The entry of the nerve-diameter menu for a diameter (mm), 0 for none.
  static UINT NerveDiameterEntry(double diameter);

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
  // Opens the project named on the command line; a file that cannot be
  // opened gets the same message as File/Abrir.
  void OpenCommandLineProject(const CString& commandLine);

  // The splitters at their start-up proportions of the client area, or at halves.
  void SizeSplitters(bool halves = false);

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
  CMainToolBar MainToolBar;
  CImplantToolBar ImplantToolBar;
  COrtoToolBar OrtoToolBar;
  CGeomsToolBar GeomsToolBar;
  CDentesToolBar DentesToolBar;
  CEndoToolBar EndoToolBar;
  CReformatToolBar ReformatToolBar;
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
  // Closing the main window: the save question first.
  void OnClose() override;
  // The controller's axial key handling, then the window's own.
  void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
  // The arrow of "Diâmetro" on the nerve tool bar: the nerve-diameter menu,
  // the current nerve's diameter checked, the choice run as a command.
  void OnToolBarDropDown(CToolBar& bar, UINT id) override;

private:
  bool CreateToolBars();
  // The fields of the main tool bar and the controls of the library bars, disabled.
  bool CreateToolBarControls();
  bool CreateStatusBar();
  void DockHiddenBar(CToolBar& bar);
  // Asks whether to save a modified project; false when the command that asks
  // must stop: Cancel, or a save that failed.
  bool SaveModifiedProject();
  // File/Close after its question.
  void CloseProject();
  // Opens into a fresh controller; a failed open leaves another fresh one. The result of OpenProject.
  int OpenInFreshController(const CString& path, const CString& title, const CString& fileName,
                            const CString& extension);
  // The open of a chosen file, with the cannot-open message.
  void OpenChosenProject(const CString& path, const CString& title, const CString& fileName, const CString& extension);
  void TakePanes();
  void DisableViews();
  void GiveViewsTheController();
  void BindController();

  ControllerFactory Factory;
};
