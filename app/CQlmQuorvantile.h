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

#include "app/QlmToolRow.h"
#include "platform/CString.h"
#include "platform/CStringArray.h"
#include "platform/gui/QlmGuiConstants.h"
#include "project/CQlmDocumentValues.h"
#include "tools/CQlmUndoable.h"
#include "views/CQlmArchListener.h"
#include "views/CQlmImplantOptions.h"
#include "views/CQlmIndicatorHook.h"
#include "views/CQlmPositionListener.h"

class C3DFrame;
class C3DWnd;
class CAxialWnd;
class CCrossWnd;
class CMainFrame;
class CPanoramicWnd;
class CWnd;
class CQlm3DWindow;
class CQlm3DWindow9;
class CQlm3DInteractor;
class CQlmCTData;
class CQlmCTViewer2;
class CQlmCTViewer92;
class CQlmCTFilter;
class CQlmCoreHULine;
class CQlmCorePolyLine;
class CQlmCoreNerve;
class CQlmCoreRuller;
class CQlmIndicator;
class CQlmImplants;
class CQlmImplantRings;
class CQlmCoreImplant;
class CQlmCoreCores;
class CQlmCoreDentes;
class CQlmCoreGeoms;
class CQlmGeometries;
class CQlmDentes;
class CQlmEndoImps;
class CQlmOrtoImps;
class CQlmGeoms;
class CQlmGreyWindowFollower;
class CQlmNerves;
class CQlmHULines;
class CQlmInteractorStyle2;
class CQlmInteractorStyle29;
class CQlmInteractorStyle3;
class CQlmObserverQuorvantile;
class CQlmPanoramicCalc;
class CQlmPolyLine;
class CQlmPrintPreview;
class CQlmReportCapturer;
class CQlmReportImplants;
class CDialogPrintPreview;
class CQlmProjectCreator202106;
class CQlmRequestInfo;
class CQlmRullers;
class CQlmViewOverlays;
class CQlmViewOverlays9;
class CQlmVolumeAttachmentList;
class CQlmWebFile;
class CQlmCore;
class CQlmDegradationQuorvantile;
class CUndoHistory;
class vtkLibrary;

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
  // After "Confirma a impressão?" Yes: one report page of the settings'
  // paper and colour, layout 5, with the views captured, on the default
  // printer; the project's own templates are not touched.
  void Print();
  // The modeless preview of the project's report pages: the open one raised,
  // else a new one (with a first template when the project has none). The
  // project is marked modified.
  void ShowPrintPreview();
  // The exam notes and their alert flag, stored back on OK.
  void ShowExamNotes();
  // Clinic, patient and slice count of the exam, display only.
  void ShowExamInfo();
  // The contrast dialog, which acts on the views by itself; the project
  // counts as modified whatever the user did.
  void ShowContrast();

  // An STL file as a new imported object (named by its title, made unique
  // with "_new") in the four views; a file without a triangle changes
  // nothing after "Error importing ...". The kept geometry block of the
  // project file grows by the new mesh, or is dropped for the next save to
  // rebuild when the mesh cannot be compressed.
  void ImportGeometry();
  // Every nerve's surface as the STL file <folder>/<title><n>.stl of the
  // chosen path, n from 1; a file that cannot be written is reported.
  void ExportNerveGeometry();
  // The guide export dialog, then the guide file at the chosen path on the
  // chosen imported object; the outcome is reported.
  void ExportGuide();
  // The angles between every two implants and between their connectors.
  void ShowImplantAngles();
  // The chosen views as BMP or JPEG pictures, one file per view named after
  // the chosen file with the view's name before its extension. Settings in
  // "Screen Shot: ".
  void CaptureScreens();

  // The order of the object tools' changes, owned: made by CreateObjects,
  // freed by Teardown; a new controller starts with an empty one.
  CUndoHistory* UndoHistory = nullptr;
  // The object tool of each history code (index code - 1); not owned, null
  // for a kind whose tool is not there.
  CQlmUndoable* UndoTools[CQlmUndoable::KindCount] = {};
  // Makes `tool` the one of `kind` and hands it the history.
  void SetUndoTool(CQlmUndoable::Kind kind, CQlmUndoable* tool);
  // The newest change in the history undone / redone by its tool. A tool
  // that has nothing left for it loses the code and the command does nothing more.
  void Undo();
  void Redo();

  // Keys typed in the views (the axial one also the main window's): Delete
  // (46) removes what the editing tools selected there: the arch's and the
  // nerve's selected points while they are edited, the selected objects in
  // the object tools (one undo snapshot each), the selected rulers in the
  // ruler tool. Every other key is the views' own.
  void On3DViewKeyDown(UINT key, UINT repeat, UINT flags);
  void OnAxialViewKeyDown(UINT key, UINT repeat, UINT flags);
  void OnCrossViewKeyDown(UINT key, UINT repeat, UINT flags);
  void OnPanoramicViewKeyDown(UINT key, UINT repeat, UINT flags);

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
  // Tool 74: the implant tool inserts the implant and component chosen on
  // the implant tool bar from the implant library in use (3D view: select only).
  void SetInsertCustomImplantMode();
  // Clears every selected object of each kind in its four views; renders nothing.
  void DeselectAllObjects();
  // Diameter, length and connector height (mm) of a new generic implant: the
  // project's implant defaults as the main tool bar's fields show them.
  void GetNewImplantSize(float size[3]);
  // The imported 3D objects and their cuts, owned: made by CreateObjects,
  // bound to the views by Initialize, set up after a load, freed by Teardown.
  CQlmGeometries* Geometries = nullptr;
  // The placed teeth and library meshes, owned: made by CreateObjects, bound
  // to the views by Initialize, set up after a load, freed by Teardown.
  CQlmDentes* DentesContainer = nullptr;
  CQlmGeoms* GeomsContainer = nullptr;
  // The placed endodontic and orthodontic objects, owned, as the teeth.
  CQlmEndoImps* EndoImpsContainer = nullptr;
  CQlmOrtoImps* OrtoImpsContainer = nullptr;
  // The teeth and mesh tools and the composite tool of the move, rotate,
  // select and scale tools, owned: made by CreateObjects, freed by Teardown.
  CQlmCoreDentes* CoreDentes = nullptr;
  CQlmCoreGeoms* CoreGeoms = nullptr;
  CQlmCoreCores* CoreCores = nullptr;
  // Tools 60 / 50: the teeth / mesh tool inserts the tool bar's item (3D view: select only).
  void SetInsertDentesMode() { this->SetTool(60); }
  void SetInsertGeomsMode() { this->SetTool(50); }
  // The composite tool: move (61, 51), rotate (62, 52), select (63, 53), scale (64, 54).
  void SetMoveDentesMode() { this->SetTool(61); }
  void SetRotateDentesMode() { this->SetTool(62); }
  void SetSelectDentesMode() { this->SetTool(63); }
  void SetScaleDentesMode() { this->SetTool(64); }
  void SetMoveGeomsMode() { this->SetTool(51); }
  void SetRotateGeomsMode() { this->SetTool(52); }
  void SetSelectGeomsMode() { this->SetTool(53); }
  void SetScaleGeomsMode() { this->SetTool(54); }
  // Tools 8 / 9: the composite tool moves / turns the selected object.
  void SetMoveImplantMode() { this->SetTool(8); }
  void SetRotateImplantMode() { this->SetTool(9); }
  // The current nerve's diameter (mm); none while no nerve is current.
  std::optional<float> CurrentNerveDiameter() const;
  // The nerves and the nerve window, owned: made by CreateObjects, bound to
  // the views by Initialize, built after a load, freed by Teardown.
  CQlmNerves* NerveContainer = nullptr;
  // The nerve tool, owned: made with the nerves, attached by the nerve window.
  CQlmCoreNerve* CoreNerve = nullptr;
  // Nerve editing: entered in the nerve window with the move-points tool and
  // the nerve tool bar (a first nerve added when there is none), left with
  // the select tool; modified either way.
  void ToggleNerveEdit();
  // A new nerve, current, the axial view centred on it, the nerve window fitted.
  void AddNerve();
  // After a question, the current nerve deleted; the last one also ends nerve editing.
  void DeleteNerve();
  // The next / previous nerve current as AddNerve shows it; nothing at the end of the list.
  void NextNerve();
  void PreviousNerve();
  // After a question, both lines of the current nerve back at their default curves.
  void ResetNerve();
  // The current nerve's cuts in the 2D views shown or hidden.
  void ToggleNerveCuts();
  // The current nerve's diameter (mm); the four views render.
  void SetNerveDiameter(float diameter);

  // The reduced display of the imported 3D objects during 3D drags, owned:
  // made by CreateObjects, handed to the 3D style (on) by Initialize.
  CQlmDegradationQuorvantile* Degradation = nullptr;

  // The current tool (0 none); the views choose their cursor from it.
  int Tool = 0;
  // The editing tools by their place in the tool table (QlmToolRow::Core);
  // not owned, null for one that is not there (its tools attach nothing).
  CQlmCore* ToolCores[QlmToolRow::CoreCount] = {};
  // Applies the tool table's row of `tool`; nothing for a number without one.
  void SetTool(int tool);
  // Tools 1, 2, 3, 11, 12, 13: pan, area zoom, 3D rotation and the zooms of the four views.
  void SetPanMode();
  void SetAreaZoomMode();
  void SetRotate3DMode();
  void SetZoomInMode();
  void SetZoomOutMode();
  void SetResetZoomMode();
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
  // After a question, the arch back at its default points and the reformat,
  // the objects' sections and the views following it; modified.
  void ResetCurve();
  // Tools 14 to 18 while the curve is edited: the curve tool rests (mode 0)
  // and the axial, panoramic and 3D views zoom or pan; modified.
  void SetCurveZoomInMode();
  void SetCurveZoomOutMode();
  void SetCurveAreaZoomMode();
  void SetCurveResetZoomMode();
  void SetCurvePanMode();
  // Tools 19 to 22 while a nerve is edited: the nerve tool rests (mode 0)
  // and the views zoom as its zoom states say; modified.
  void SetNerveZoomInMode();
  void SetNerveZoomOutMode();
  void SetNerveAreaZoomMode();
  void SetNerveResetZoomMode();
  // Tool 10: every view picks (state 1).
  void SetSelectImplantMode();
  // Tool 23 while a nerve is edited: the nerve tool rests, the views pan; modified.
  void SetNervePanMode();
  // Tools 24 and 25: the nerve tool adds or moves the current nerve's points
  // in the axial and panoramic views.
  void SetAddNervePointsMode();
  void SetMoveNervePointsMode();

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
  // What the report printer captures the views through.
  CQlmReportCapturer* ReportViews = nullptr;
  // What the report's implant tables read the implants through.
  CQlmReportImplants* ReportImplants = nullptr;
  // The project's one preview of its report pages, owned; null until the
  // first preview command. Teardown closes it before the report printer goes.
  CDialogPrintPreview* PreviewDialog = nullptr;

  // The measuring rulers of the four views (also the Rullers position
  // follower once Initialize ran) and the HU measuring lines; owned.
  CQlmRullers* Rullers = nullptr;
  CQlmHULines* HULines = nullptr;
  // The ruler and HU-line tools, owned.
  CQlmCoreRuller* CoreRuller = nullptr;
  CQlmCoreHULine* CoreHULine = nullptr;
  // Tool 4: the ruler tool on the four styles, which it puts into its states.
  void SetRulerMode();
  // Tool 30: the HU-line tool on the 2D views; chosen again, back to select mode.
  void ToggleHULine();

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
  // The file name in the library folder of each entry of LibraryNames.
  CStringArray LibraryFiles[LibraryKinds];
  // The library in use per kind, of the kind's class: owned, made by
  // Initialize, freed by Teardown (after the tool bars let its items go).
  vtkLibrary* Libraries[LibraryKinds] = {};

  // The library folder's libraries of `kind`, by name: a fresh
  // LibraryNames and LibraryFiles; the number found.
  int ListLibraries(LibraryKind kind);
  // The kind's container looks library items up in the library in use, then
  // in the files of LibraryNames; done at start-up and after every scan.
  void GiveLibrariesToContainer(LibraryKind kind);
  // The library the "Lib Used" line names (its default without one) into
  // the library in use, else the first of LibraryNames, else an empty
  // library; the kind's tool bar shows it unless none could be read.
  void LoadCurrentLibrary(LibraryKind kind);
  // The chooser; the chosen library, once read, becomes the one in use and
  // its "Lib Used" line is written. One that cannot be read changes nothing.
  void SelectLibrary(LibraryKind kind);
  // Copies the chosen files into the library folder (an existing library
  // is replaced only when the user says so) and lists the folder again.
  void ImportLibraries(LibraryKind kind);
  // Copies every library of LibraryNames into the chosen folder.
  void ExportLibraries(LibraryKind kind);
  void SelectImplantLibrary() { this->SelectLibrary(Implants); }
  void SelectOrtoLibrary() { this->SelectLibrary(Orthodontic); }
  void SelectEndoLibrary() { this->SelectLibrary(Endodontic); }
  void SelectGeomsLibrary() { this->SelectLibrary(Meshes); }
  void SelectDentesLibrary() { this->SelectLibrary(Teeth); }
  void ImportImplantLibraries() { this->ImportLibraries(Implants); }
  void ImportOrtoLibraries() { this->ImportLibraries(Orthodontic); }
  void ImportEndoLibraries() { this->ImportLibraries(Endodontic); }
  void ImportGeomsLibraries() { this->ImportLibraries(Meshes); }
  void ImportDentesLibraries() { this->ImportLibraries(Teeth); }
  void ExportImplantLibraries() { this->ExportLibraries(Implants); }
  void ExportOrtoLibraries() { this->ExportLibraries(Orthodontic); }
  void ExportEndoLibraries() { this->ExportLibraries(Endodontic); }
  void ExportGeomsLibraries() { this->ExportLibraries(Meshes); }
  void ExportDentesLibraries() { this->ExportLibraries(Teeth); }

  // Labels per kind: mode 0 index, 1 name (implants: size); font size 7, 12
  // or 18 points; whether they are shown. The settings lines keep mode and size.
  int LabelModes[LibraryKinds] = {};
  int FontSizes[LibraryKinds] = {12, 12, 12, 12, 12};
  int LabelsShown[LibraryKinds] = {1, 1, 1, 1, 1};
  // The containers' labels, one per kind; not owned, null for none.
  CQlmLabelOptions* LabelOptions[LibraryKinds] = {};
  // Implant cuts filled (1) or outlined (0); implant numbers and axis lines shown.
  int ImplantFill = 1;
  int ImplantNumbers = 1;
  int ImplantAxisLines = 1;

  // The option commands: the container, the field, the settings line, the
  // four views drawn again, the project modified. Hiding the labels only
  // hides them and draws the views.
  void SetLabelMode(LibraryKind kind, int mode);
  void HideLabels(LibraryKind kind);
  void SetFontSize(LibraryKind kind, int size);
  void SetDentesLabelIndex() { this->SetLabelMode(Teeth, 0); }
  void SetDentesLabelName() { this->SetLabelMode(Teeth, 1); }
  void HideDentesLabels() { this->HideLabels(Teeth); }
  void SetDentesFontLarge() { this->SetFontSize(Teeth, 18); }
  void SetDentesFontMedium() { this->SetFontSize(Teeth, 12); }
  void SetDentesFontSmall() { this->SetFontSize(Teeth, 7); }
  void SetGeomsLabelIndex() { this->SetLabelMode(Meshes, 0); }
  void SetGeomsLabelName() { this->SetLabelMode(Meshes, 1); }
  void HideGeomsLabels() { this->HideLabels(Meshes); }
  void SetGeomsFontLarge() { this->SetFontSize(Meshes, 18); }
  void SetGeomsFontMedium() { this->SetFontSize(Meshes, 12); }
  void SetGeomsFontSmall() { this->SetFontSize(Meshes, 7); }
  void SetEndoLabelIndex() { this->SetLabelMode(Endodontic, 0); }
  void SetEndoLabelName() { this->SetLabelMode(Endodontic, 1); }
  void HideEndoLabels() { this->HideLabels(Endodontic); }
  void SetEndoFontLarge() { this->SetFontSize(Endodontic, 18); }
  void SetEndoFontMedium() { this->SetFontSize(Endodontic, 12); }
  void SetEndoFontSmall() { this->SetFontSize(Endodontic, 7); }
  void SetOrtoLabelIndex() { this->SetLabelMode(Orthodontic, 0); }
  void SetOrtoLabelName() { this->SetLabelMode(Orthodontic, 1); }
  void HideOrtoLabels() { this->HideLabels(Orthodontic); }
  void SetOrtoFontLarge() { this->SetFontSize(Orthodontic, 18); }
  void SetOrtoFontMedium() { this->SetFontSize(Orthodontic, 12); }
  void SetOrtoFontSmall() { this->SetFontSize(Orthodontic, 7); }
  // The implant menu's fill (1 solid, 0 outline) and label (0 index, 1 size)
  // options, and the implant options dialog (nothing changes unless OK);
  // each writes the whole "Implants Advanced: " line.
  void SetImplantFill(int fill);
  void SetImplantLabel(int mode);
  void EditImplantOptions();
  void SetImplantFillSolid() { this->SetImplantFill(1); }
  void SetImplantFillOutline() { this->SetImplantFill(0); }
  void SetImplantLabelIndex() { this->SetImplantLabel(0); }
  void SetImplantLabelSize() { this->SetImplantLabel(1); }
  // 1 in the sagittal/coronal reformat mode.
  int SagittalCoronal = 0;

  // The reformat state kept while the sagittal/coronal mode is on; saved with the project.
  CQlmDocumentValues::SavedReformat SavedReformat;

  // The recent project paths as last read from or written to the settings file.
  CString RecentProjects[RecentCount];

  // View commands. A toggle flips its view's rendering (and scroll bar),
  // marks the project modified and stores the switch in "Windows Advanced: ".
  void ToggleAxialView();
  void ToggleCrossView();
  void TogglePanoramicView();
  void Toggle3DView();
  // The splitters at their start-up fractions (halves in the sagittal/coronal
  // mode) and every view that is off switched on again.
  void RestoreViewLayout();
  // The window-options dialog; on OK its 21 values and 3D background apply and are stored.
  void ShowWindowOptions();
  // The standard cameras of the 3D view; all but the top view mark the project modified.
  void SetView3DTop();
  void SetView3DBottom();
  void SetView3DFront();
  void SetView3DBack();
  void SetView3DLeft();
  void SetView3DRight();
  void SetView3DIsoMand();
  void SetView3DIsoMax();
  // The 3D background from the colour dialog.
  void Set3DBackground();
  // Interpolation of the three CT views on or off, stored in "2D Interpolation: ".
  void Toggle2DInterpolation();
  // The panoramic view as the slab of the middle curve, or back to one curve.
  void ToggleThickPanoramic();
  // The cross-section window between nine sections and the centre one.
  void ToggleSingleCrossSection();
  // The cross-section window, its filter and its indicators in the single (1) or nine-section (0) layout.
  void SetSingleCrossSection(int single);

  // The reformat dialog: curves, sections and the thick panoramic, clamped and applied.
  void ReformatSections();
  // Between the arch's reformat and straight sagittal and coronal sections
  // across the whole volume; leaving restores the arch and the reformat.
  void ToggleSagittalCoronal();
  void EnterSagittalCoronal();
  void LeaveSagittalCoronal();
  // After the reformat geometry changed: the cross-section and panoramic
  // scroll bars, position numbers and camera extents follow the filters.
  void ShowReformatChange();
  // Every follower of ArchListeners gets the thick panoramic, the section
  // layout and spacing, and the three positions.
  void ReformatChanged();

  // "Indicators Advanced: " values 1 to 18: the six 2D indicators, labels,
  // all sections, the number step (below 1 numbers every section), the
  // colour profile and, with value 16, the text backgrounds.
  void ApplyIndicatorValues(const int (&values)[18]);
  // The indicators of one view in another, each stored in "Indicators Advanced: ".
  void ToggleCrossInAxial();
  void TogglePanoramicInAxial();
  void ToggleAxialInCross();
  void TogglePanoramicInCross();
  void ToggleAxialInPanoramic();
  void ToggleCrossInPanoramic();
  // The axial quad and the panoramic band of the 3D view, and their transparency.
  void Toggle3DAxialIndicator();
  void Toggle3DPanoramicIndicator();
  void Toggle3DIndicatorTransparency();
  // The colour profiles: 0 standard (each view in its colour), 1 strong
  // (everything light yellow); both take every text off its box.
  void SetStandardProfile();
  void SetStrongProfile();
  // Boxes behind the indicator numbers, titles, orientation letters,
  // position numbers and scale numbers, with the colours of `profile` (0 or
  // 1; any other value switches the boxes only), then the boxes of the ruler
  // measures and of the object labels.
  void ApplyTextBackgrounds(int numbers, int titles, int orientation, int positions, int rullerNumbers, int profile,
                            int rullerMeasures, int objectLabels);
  // The colour profile in use: 0 standard, 1 strong colours.
  int ColourProfile = 0;
  // The indicator options dialog; on OK its values apply and are stored.
  void ShowIndicatorOptions();
  // The section marks along the arch while it is edited.
  void ToggleCrossSectionMarks();

protected:
  CQlmQuorvantile() = default;

private:
  void BindRenderWindows();
  void BindViewers();
  void BindStyles();
  void HostArchPolyLine();
  // Detaches the tools from the four styles: their leaving runs while everything they touch exists.
  void DetachCores();
  // Delete in an object tool: the selected objects of every kind, each with its undo snapshot.
  void DeleteSelectedObjects();
  // The selected point of the current nerve's axial or panoramic line, while it keeps 3 points.
  void DeleteSelectedNervePoint(bool axial);
  // After the arch's points changed: reformat, sections and views follow; modified.
  void FollowArchEdit();
  // The ruler, curve and nerve tools at rest (mode 0).
  void RestEditingCores();
  // The 2D views pick on their layer of marks and lines.
  void PickOnMarks();
  void BindIndicator();
  void StartPictureDownload();
  void ShowLibraryToolBars();
  // Per kind in start-up order: a new library in use, the folder listed, the library loaded.
  void SetupLibraries();
  // The kind's tool bar showing `name` and the items of the library in use.
  void FillLibraryBar(LibraryKind kind, const CString& name);
  // The library bars emptied, then the libraries in use freed.
  void ReleaseLibraries();
  // The label settings lines applied to a project just loaded.
  void ApplyLabelSettings();
  // The kind's settings line from the fields.
  void WriteLabelSettings(LibraryKind kind);
  // The implant slot of LabelOptions, or null.
  CQlmImplantOptions* ImplantOptions() const;
  // Screw and connector colours of new implants: those the project carries.
  float (&ScrewColor())[3];
  float (&ConnectorColor())[3];
  // The implant options after a load: the defaults, the settings line over them, the container.
  void ApplyImplantSettings();
  // The option pattern after the container took the option: the line, the views, modified.
  void EndLabelOption(LibraryKind kind);
  // Axial, panoramic, cross-section and 3D, in this order.
  void RenderFourViews();
  int ReadProjectFile();
  // Progress 0 and "Pronto" after an open that failed; 0.
  int EndFailedOpen();
  void RestoreViewsOfFile();
  void ShowVolume();
  void SetScrollBars();
  void SetCameraImages();
  void FitCameras();
  void ShowViewStatus();
  void ApplyGreyWindowOfFile();
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
  // Rulers and HU lines: made, bound to the views, attached after a load, released.
  void CreateMeasures();
  void BindMeasures();
  void AttachMeasures();
  void ReleaseMeasures();
  static void EnableScrollBar(CWnd* view, int enabled);
  // Flips a view's rendering; `value` (1 to 4) is its place in "Windows Advanced: ".
  void ToggleView(int value);
  void SetView3D(void (CQlm3DInteractor::*view)(), int modifies);
  // The middle curve in the filters, the indicator and the panoramic number.
  void SelectMiddleCurve();
  void SetReformatParameters(float width, float spacing, float curveSpacing, int numberOfCurves);
  // The arch geometry, the three filters, the indicator and the arch's marks recomputed.
  void RecomputeReformat();
  // Titles and the cross-section orientation letter of the sagittal/coronal mode (1) or of the arch (0).
  void ShowSagittalTitles(int sagittal);
  void LayOutSplitters();
  // The 2D cameras fitted, then RenderReformat.
  void FitAndRenderReformat();
  // The 2D views and the 3D view's indicators rendered, the project modified.
  void RenderReformat();
  void RestoreSavedArch();
  // The 2D indicator of value `value` (4 to 9) of "Indicators Advanced: "
  // flipped, its view rendered and the value stored.
  void ToggleIndicator2D(int value);
  // Every overlay and indicator text without its box.
  void HideTextBoxes();
  // Rulers and implants: labels without a box, one uniform colour (1) or their own (0).
  void SetMeasureAndImplantLook(int uniformColour);
  // Flips IndicatorSwitches[switchIndex] and the 3D indicator it shows; modified.
  void ToggleIndicator3D(int switchIndex, CQlmIndicatorHook::Mark mark);
  // Renders the 3D view when it shows one of its indicators.
  void RenderIndicators3D();
  // The implants in the four views and among the followers of the positions and of the arch.
  void BindImplants();
  // Post-load: the implants on the volume, the arch and the views' positions.
  void SetupImplants();
  void ReleaseImplants();
  // The imported objects among the followers of the positions and of the arch.
  void BindGeometries();
  void ReleaseGeometries();
  // Post-load: the imported objects in the 3D view, their cuts on the volume,
  // the arch and the views' positions, shown as the file says.
  void SetupGeometries();
  void ShowGeometries3D();
  // The guide rings as the implants: bound to the views, set up after a load (a ring for every implant), freed.
  void BindRings();
  void SetupRings();
  void ReleaseRings();
  // The teeth and library meshes as the implants: bound to the views, set up after a load, freed.
  void BindTeeth();
  void SetupTeeth();
  void ReleaseTeeth();
  // The endodontic and orthodontic objects as the teeth: bound, set up after a load, freed.
  void BindMultiPart();
  void SetupMultiPart();
  void ReleaseMultiPart();
  // An object container in the four views and in its places among the
  // followers of the views' positions, of the arch and of the label options.
  template <class Container>
  void HookContainer(Container* container, CQlmPositionListener::Stage stage, CQlmArchListener::Kind kind,
                     LibraryKind library) {
    container->SetWindows(this->Window3D, this->WindowAxial, this->WindowCross, this->WindowPanoramic);
    this->PositionListeners[stage] = container;
    this->ArchListeners[kind] = container;
    this->LabelOptions[library] = container;
  }
  // Those places emptied.
  void UnhookContainer(CQlmPositionListener::Stage stage, CQlmArchListener::Kind kind, LibraryKind library);
  // The object tools: made; given their owner, their places in the tool table
  // and the undo history, the composite its children; freed (detached first).
  void CreateObjectTools();
  void BindObjectTools();
  void ReleaseObjectTools();
  // The nerves among the followers of the positions, the arch and the grey
  // window; their view objects after a load; freed before the windows.
  void BindNerves();
  // Nerve `index` current, the axial view centred on it, the nerve window fitted, the four views rendered.
  void ShowCurrentNerve(int index);
  void SetupNerves();
  void ReleaseNerves();
};
