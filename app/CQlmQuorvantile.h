#pragma once
// The document and controller of the open project in one object: it owns
// everything a project is made of and how it is shown. Its life has four
// stages: New constructs it (owning nothing), CreateObjects makes the owned
// objects (no window exists yet), SetViewWindows + Initialize bind them to
// the main frame's windows and bring it to the state without a project, and
// Teardown releases every owned object before the controller is deleted.
// File/Close replaces the whole controller; one is never initialised twice.
#include <QCursor>
#include <optional>

#include "platform/CString.h"
#include "platform/CStringArray.h"
#include "platform/gui/QlmGuiConstants.h"
#include "views/CQlmArchListener.h"
#include "views/CQlmIndicatorHook.h"
#include "views/CQlmPositionListener.h"

class C3DFrame;
class C3DWnd;
class CAxialWnd;
class CCrossWnd;
class CMainFrame;
class CPanoramicWnd;
class CQlm3DWindow;
class CQlm3DWindow9;
class CQlmCTData;
class CQlmCTViewer2;
class CQlmCTViewer92;
class CQlmCTFilter;
class CQlmCorePolyLine;
class CQlmIndicator;
class CQlmImplants;
class CQlmImplantRings;
class CQlmCoreImplant;
class CQlmGreyWindowFollower;
class CQlmInteractorStyle2;
class CQlmInteractorStyle29;
class CQlmInteractorStyle3;
class CQlmObserverQuorvantile;
class CQlmPanoramicCalc;
class CQlmPolyLine;
class CQlmPrintPreview;
class CQlmProjectCreator202106;
class CQlmRequestInfo;
class CQlmViewOverlays;
class CQlmViewOverlays9;
class CQlmVolumeAttachmentList;
class CQlmWebFile;

class CQlmQuorvantile {
public:
  static constexpr int CursorCount = 19;
  static constexpr int LibraryKinds = 5;

  // Constructs the strings and name lists and zeroes the flags; makes no object.
  static CQlmQuorvantile* New();
  // Destroys only what the constructor made: Teardown has released the rest.
  virtual ~CQlmQuorvantile();
  CQlmQuorvantile(const CQlmQuorvantile&) = delete;
  CQlmQuorvantile& operator=(const CQlmQuorvantile&) = delete;

  // Makes the owned objects; once, right after New, before any window exists.
  virtual void CreateObjects();
  // Keeps the six windows (not owned).
  virtual void SetViewWindows(CAxialWnd* axialView, CPanoramicWnd* panoramicView, C3DWnd* view3D, CCrossWnd* crossView,
                              CMainFrame* mainFrame, C3DFrame* frame3D);
  // Binds the owned objects to the windows and brings the controller to the
  // state without a project (rendering off). After SetViewWindows.
  virtual void Initialize();
  // Releases every owned object; what draws into a render window goes before the window.
  virtual void Teardown();

  // The newest project format this version reads.
  static constexpr int NewestFormat = 800901;
  // True for the code of a project generation newer than NewestFormat; any
  // other code that no reader takes is not a project.
  static bool IsNewerFormat(int code);
  static constexpr int RecentCount = 5;

  // Reads the project file into this controller (a fresh one) and shows it:
  // 1 when a reader took the file, 0 otherwise, with the status back at
  // "Pronto" either way. Only a file of a newer format gets a message here;
  // the caller reports every other failure. Stale temporary files of the path
  // are removed first (CAtomicFile).
  int OpenProject(CString path, CString title, CString fileName, CString extension);
  // Writes the project as 800901 to `path`; `messageName` names the file in
  // the error message. 1 when written; the modified flag is cleared then only.
  int SaveProject(CString path, CString messageName);
  // Wires a project just read into the views, applies the view settings of
  // the settings file and renders every view.
  void SetupViewsAfterLoad();
  // Puts `path` at the head of `list`, once, and rebuilds the recent menu.
  // The caller writes the list to the settings file.
  void AddRecentFile(CString (&list)[RecentCount], CString path);
  // The "Abrir Recentes" pop-up of the file menu, rebuilt from `list`; nothing
  // when every entry is empty.
  void UpdateRecentMenu(const CString (&list)[RecentCount]);
  // Puts `path` at the head of the recent list of the settings file.
  void PutRecentProject(CString path);
  // A recent entry's label: the text between the path's last separator and
  // its last point; empty without a point after the separator.
  static CString RecentTitle(const CString& path);

  // The project by e-mail: the send form, the save, then the sending
  // dialog. Nothing is sent when the mail server is not configured
  // (QlmMailServer) or the save fails.
  void SendProjectByEmail();
  // The guide and prototype request form on RequestInfo; on OK the project
  // is saved and the user is told where to send it.
  void RequestGuides();
  // The exam notes and their alert flag, stored back on OK.
  void ShowExamNotes();
  // Clinic, patient and slice count of the exam, display only.
  void ShowExamInfo();
  // The contrast dialog, which acts on the views by itself; the project
  // counts as modified whatever the user did.
  void ShowContrast();

  // Keys typed in the axial view or the main window: Delete removes what the
  // editing tools selected; every other key is the views' own.
  void OnAxialViewKeyDown(UINT key, UINT repeat, UINT flags);

  // Where new implants go: 1 the maxilla (they are turned 180 degrees about
  // x), 0 the mandible. Saved with the project.
  int GetImplantOrientation() const;
  void SetImplantOrientation(int orientation);
  // The implants of the project, owned: made by CreateObjects, bound to the
  // views by Initialize, set up after a load, freed by Teardown.
  CQlmImplants* ImplantContainer = nullptr;
  // The implants' guide rings, owned, parallel to ImplantContainer's implants.
  CQlmImplantRings* RingContainer = nullptr;
  // The implant tool, owned.
  CQlmCoreImplant* CoreImplant = nullptr;
  // Tool 7: the implant tool inserts generic implants (3D view: select only).
  void SetInsertImplantMode();
  // Clears the first selected object of each kind in its four views; renders nothing.
  void DeselectAllObjects();
  // Diameter, length and connector height (mm) of a new generic implant: the
  // project's implant defaults as the main tool bar's fields show them.
  void GetNewImplantSize(float size[3]);
  // The current nerve's diameter (mm); none while no nerve is current.
  std::optional<float> CurrentNerveDiameter() const;

  // The current tool (0 none); the views choose their cursor from it.
  int Tool = 0;
  // Loaded by Initialize from the cursor resources, in table order.
  QCursor Cursors[CursorCount];

  // Render-window wrappers of the axial, panoramic and 3D views and the 3x3 cross-section window.
  CQlm3DWindow* WindowAxial = nullptr;
  CQlm3DWindow* WindowPanoramic = nullptr;
  CQlm3DWindow* Window3D = nullptr;
  CQlm3DWindow9* WindowCross = nullptr;

  // Overlays of the axial, panoramic and 3D views and of the 3x3 window:
  // made by CreateObjects, attached by Initialize, freed by Teardown.
  CQlmViewOverlays* OverlaysAxial = nullptr;
  CQlmViewOverlays* OverlaysPanoramic = nullptr;
  CQlmViewOverlays* Overlays3D = nullptr;
  CQlmViewOverlays9* OverlaysCross = nullptr;

  // "Windows Advanced: " values 1 to 21: the four views' rendering (and
  // the 2D views' scroll bars), then the overlays' visibility.
  void ApplyWindowValues(const int (&values)[21]);

  // CT viewers of the axial and panoramic views and of the 3x3 window.
  CQlmCTViewer2* ViewerAxial = nullptr;
  CQlmCTViewer2* ViewerPanoramic = nullptr;
  CQlmCTViewer92* ViewerCross = nullptr;

  // The windows, not owned.
  CAxialWnd* AxialView = nullptr;
  CPanoramicWnd* PanoramicView = nullptr;
  C3DWnd* View3D = nullptr;
  CCrossWnd* CrossView = nullptr;
  CMainFrame* MainFrame = nullptr;
  C3DFrame* Frame3D = nullptr;

  // Project flags (0 or 1).
  int ProjectOpen = 0;
  int Modified = 0;
  int CurveEditing = 0;
  int ThickPanoramic = 0;
  int NerveEditing = 0;

  CString ProjectPath;
  CString ProjectTitle;
  CString ProjectFileName;
  CString ProjectExtension;

  CQlmObserverQuorvantile* StatusObserver = nullptr;

  // The nerves, as far as they follow the grey window of the CT views; not
  // owned, null for none.
  CQlmGreyWindowFollower* Nerves = nullptr;

  // Followers of the 2D views' positions, one per fan-out stage; not owned, null for none.
  CQlmPositionListener* PositionListeners[CQlmPositionListener::StageCount] = {};
  // The position indicators; not owned, null for none.
  CQlmIndicatorHook* IndicatorHook = nullptr;
  // The position indicators of the four views, owned; also the Indicators
  // follower of PositionListeners and the IndicatorHook once Initialize ran.
  CQlmIndicator* Indicator = nullptr;
  // IndicatorHook, or one that does nothing while there is none.
  CQlmIndicatorHook& Indicators();
  // The containers that follow the arch, one per kind; not owned, null for none.
  CQlmArchListener* ArchListeners[CQlmArchListener::KindCount] = {};
  // After an edit of the arch: every follower recomputes its section cutters.
  void ArchChanged();
  // Shows the section planes in the 3D view when hidden and the reverse
  // (IndicatorSwitches[4]), renders the 3D view and marks the project modified.
  void Toggle3DCrossIndicator();

  // Arch-curve editing: entered with the edit tool and the reformat tool bar
  // shown, left with the select tool (and the thick panoramic back when the
  // project has it).
  void ToggleCurveEdit();
  // Tools 5 and 6: the arch-curve tool on the axial style only, adding
  // points (axial state 1) or moving points and the line (axial state 20).
  void SetDrawCurveMode();
  void SetEditCurveMode();
  // Tools 14 to 18 while the curve is edited: the curve tool rests (mode 0)
  // and the axial, panoramic and 3D views zoom or pan; modified.
  void SetCurveZoomInMode();
  void SetCurveZoomOutMode();
  void SetCurveAreaZoomMode();
  void SetCurveResetZoomMode();
  void SetCurvePanMode();
  // Tool 10: every view picks (state 1).
  void SetSelectImplantMode();

  // Mouse styles of the 3D, axial and panoramic views and of the 3x3 window.
  CQlmInteractorStyle3* Style3D = nullptr;
  CQlmInteractorStyle2* StyleAxial = nullptr;
  CQlmInteractorStyle2* StylePanoramic = nullptr;
  CQlmInteractorStyle29* StyleCross = nullptr;

  // The main and the second CT volume of the project.
  CQlmCTData* CTData = nullptr;
  CQlmCTData* CTData2 = nullptr;
  // Reader of 800900/800901 and writer of every save.
  CQlmProjectCreator202106* Creator202106 = nullptr;
  // The arch polyline, the arch-curve geometry on it and the CT filter set.
  CQlmPolyLine* PolyLine = nullptr;
  CQlmPanoramicCalc* PanoramicCalc = nullptr;
  CQlmCTFilter* CTFilter = nullptr;
  // The arch-curve tool.
  CQlmCorePolyLine* CorePolyLine = nullptr;
  // Attachment records of the main (A) and second (B) volume, made by
  // Initialize; Teardown frees the records with the lists.
  CQlmVolumeAttachmentList* AttachmentsA = nullptr;
  CQlmVolumeAttachmentList* AttachmentsB = nullptr;

  // The report printer: the project's page templates.
  CQlmPrintPreview* PrintPreview = nullptr;

  // The format code of the project file read last.
  int LoadedVersion = 0;
  // Indicator switches carried by the project file; the last three show the
  // axial, cross-section and panoramic indicators in the 3D view.
  int IndicatorSwitches[6] = {};
  // 1 once the current writer holds a valid imported-geometry block.
  int GeometryBlock = 0;
  // 1 when the project carries a second CT volume.
  int SecondVolume = 0;
  // Two words the project file carries without meaning here.
  int Reserved[2] = {};
  CString Notes;
  int NotesFlag = 0;
  // The guide and prototype request of the project.
  CQlmRequestInfo* RequestInfo = nullptr;

  // Download of the next start's splash picture.
  CQlmWebFile* PictureDownload = nullptr;

  // Per library kind (implants, orthodontic, teeth, meshes, endodontic): 1
  // when the start-up scan found a library of the kind, and the library names.
  enum LibraryKind { Implants, Orthodontic, Teeth, Meshes, Endodontic };
  int LibraryAvailable[LibraryKinds] = {};
  CStringArray LibraryNames[LibraryKinds];
  // 1 in the sagittal/coronal reformat mode.
  int SagittalCoronal = 0;

  // View state carried by the project file.
  float ViewValues[3] = {};
  int ViewFlags[3] = {};
  float ViewTable[50][3] = {};
  int ViewModes[4] = {};

  // The recent project paths as last read from or written to the settings file.
  CString RecentProjects[RecentCount];

protected:
  CQlmQuorvantile() = default;

private:
  void BindRenderWindows();
  void BindViewers();
  void BindStyles();
  void HostArchPolyLine();
  // Detaches the tools from the four styles: their leaving runs while everything they touch exists.
  void DetachCores();
  // Tool `tool` with the curve tool at rest; modified.
  void SetCurveViewMode(int tool);
  void BindIndicator();
  void StartPictureDownload();
  void ShowLibraryToolBars();
  int ReadProjectFile();
  // Progress 0 and "Pronto" after an open that failed; 0.
  int EndFailedOpen();
  void RestoreViewsOfFile();
  void ShowVolume();
  void SetScrollBars();
  void SetCameraImages();
  void FitCameras();
  void ShowViewStatus();
  void ApplyWindowSettings();
  void CreateOverlays();
  void AttachOverlays();
  void ReleaseOverlays();
  // The images the scale bars measure and the position numbers.
  void ShowOverlayMeasures();
  void ApplyInterpolationSetting();
  void ShowThickPanoramic();
  void RenderViews();
  // The indicators on the loaded volume and arch, the 2D ones shown at the views' positions.
  void SetupIndicator();
  // After a load none of the three indicators of the 3D view is shown, and their switches are off.
  void HideIndicators3D();
  // "Indicators Advanced: ": labels, all sections, number step and the six 2D indicators.
  void ApplyIndicatorSettings();
  // The implant defaults of the project file and the main tool bar's fields.
  void ShowImplantDefaults();
  void TakeImplantDefaults();
  // The implants in the four views and among the followers of the positions and of the arch.
  void BindImplants();
  // Post-load: the implants on the volume, the arch and the views' positions.
  void SetupImplants();
  void ReleaseImplants();
  // The guide rings as the implants: bound to the views, set up after a load (a ring for every implant), freed.
  void BindRings();
  void SetupRings();
  void ReleaseRings();
};
