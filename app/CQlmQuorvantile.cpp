#include "app/CQlmQuorvantile.h"

#include <algorithm>

#include "app/CMainFrame.h"
#include "app/CQlmObserverQuorvantile.h"
#include "app/CQlmReportCapturer.h"
#include "app/CQlmReportImplants.h"
#include "app/QlmConfig.h"
#include "app/QlmResourceIds.h"
#include "app/QlmWebServer.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmCTViewer2.h"
#include "ct/CQlmCTViewer92.h"
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLine.h"
#include "libconvert/CQlmWebFile.h"
#include "objects/CQlmImplantRings.h"
#include "objects/CQlmImplants.h"
#include "objects/CQlmGeometries.h"
#include "objects/CQlmDentes.h"
#include "objects/CQlmGeoms.h"
#include "output/CDialogPrintPreview.h"
#include "objects/CQlmNerves.h"
#include "output/CQlmPrintPreview.h"
#include "platform/gui/QlmResource.h"
#include "project/CQlmProjectCreator202106.h"
#include "project/CQlmRequestInfo.h"
#include "project/CQlmVolumeAttachmentList.h"
#include "tools/CQlmCoreImplant.h"
#include "tools/CQlmCoreNerve.h"
#include "tools/CQlmCorePolyLine.h"
#include "views/C3DWnd.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmIndicator.h"
#include "views/CQlmIndicatorCross.h"
#include "views/CQlmIndicatorCross3D.h"
#include "views/CQlmIndicatorPan.h"
#include "views/CQlmIndicatorPan3D.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmInteractorStyle3.h"

namespace {

constexpr int OffScreenMode = 2;

template <class Object>
void Release(Object*& object) {
  delete object;
  object = nullptr;
}

QWidget* HostOf(CWnd* view) { return view ? view->GetSafeHwnd() : nullptr; }

// Frees the list with the records it holds.
void Release(CQlmVolumeAttachmentList*& list) {
  if (list) list->DeleteAll();
  delete list;
  list = nullptr;
}

}  // namespace

CQlmQuorvantile* CQlmQuorvantile::New() { return new CQlmQuorvantile; }

CQlmQuorvantile::~CQlmQuorvantile() = default;

void CQlmQuorvantile::CreateObjects() {
  this->WindowAxial = CQlm3DWindow::New(OffScreenMode);
  this->WindowPanoramic = CQlm3DWindow::New(OffScreenMode);
  this->Window3D = CQlm3DWindow::New(OffScreenMode);
  this->WindowCross = CQlm3DWindow9::New(OffScreenMode);
  this->ViewerAxial = CQlmCTViewer2::New();
  this->ViewerPanoramic = CQlmCTViewer2::New();
  this->ViewerCross = CQlmCTViewer92::New();
  this->CTData = new CQlmCTData;
  this->Creator202106 = CQlmProjectCreator202106::New();
  this->StatusObserver = CQlmObserverQuorvantile::New();
  this->Style3D = CQlmInteractorStyle3::New();
  this->StyleAxial = CQlmInteractorStyle2::New();
  this->StylePanoramic = CQlmInteractorStyle2::New();
  this->StyleCross = CQlmInteractorStyle29::New();
  this->PolyLine = new CQlmPolyLine;
  this->PanoramicCalc = CQlmPanoramicCalc::New();
  this->CTFilter = CQlmCTFilter::New();
  this->CorePolyLine = CQlmCorePolyLine::New();
  this->ImplantContainer = new CQlmImplants;
  this->RingContainer = new CQlmImplantRings;
  this->CoreImplant = CQlmCoreImplant::New();
  this->CreateObjectTools();
  this->CTData2 = new CQlmCTData;
  this->PrintPreview = new CQlmPrintPreview;
  this->ReportViews = new CQlmReportCapturer(this);
  this->PrintPreview->views = this->ReportViews;
  this->ReportImplants = new CQlmReportImplants(this);
  this->PrintPreview->implants = this->ReportImplants;
  this->RequestInfo = CQlmRequestInfo::New();
  this->PictureDownload = CQlmWebFile::New();
  this->Indicator = CQlmIndicator::New();
  this->Geometries = CQlmGeometries::CreateObject();
  this->DentesContainer = CQlmDentes::CreateObject();
  this->GeomsContainer = CQlmGeoms::CreateObject();
  this->NerveContainer = CQlmNerves::CreateObject();
  this->CoreNerve = CQlmCoreNerve::New();
  // The 3D view shows the arch geometry mirrored in y; the colour profiles leave the 3D surfaces alone.
  for (int* flag : {&this->Indicator->Pan->Pan3D->MirrorY, &this->Indicator->Cross->Cross3D->MirrorY,
                    &this->Indicator->Pan->Pan3D->ColorHold, &this->Indicator->Cross->Cross3D->ColorHold})
    *flag = 1;
  this->CreateOverlays();
  this->CreateMeasures();
}

void CQlmQuorvantile::SetViewWindows(CAxialWnd* axialView, CPanoramicWnd* panoramicView, C3DWnd* view3D,
                                     CCrossWnd* crossView, CMainFrame* mainFrame, C3DFrame* frame3D) {
  this->AxialView = axialView;
  this->PanoramicView = panoramicView;
  this->View3D = view3D;
  this->CrossView = crossView;
  this->MainFrame = mainFrame;
  this->Frame3D = frame3D;
}

void CQlmQuorvantile::Initialize() {
  this->Tool = 0;
  this->CurveEditing = 0;
  this->NerveEditing = 0;
  for (int index = 0; index < CursorCount; ++index)
    this->Cursors[index] = QlmResource::LoadCursor(CursorResources[index]);
  this->BindRenderWindows();
  this->BindViewers();
  this->AttachOverlays();
  this->ThickPanoramic = 0;
  for (CQlm3DWindow* window : {this->WindowAxial, this->WindowPanoramic, this->Window3D}) window->Enabled = 0;
  this->WindowCross->Enabled = 0;
  this->ProjectOpen = 0;
  this->Modified = 0;
  this->NotesFlag = 0;
  this->Creator202106->Controller = this;
  this->StatusObserver->CreateProgressBar();
  this->CTData->ProgressObserver = this->StatusObserver;
  this->CTFilter->GetPanFilter()->SetProgressObserver(this->StatusObserver);
  this->BindStyles();
  this->HostArchPolyLine();
  this->CorePolyLine->Owner = this;
  this->BindIndicator();
  this->BindMeasures();
  this->BindImplants();
  this->BindGeometries();
  this->BindRings();
  this->BindTeeth();
  this->BindObjectTools();
  this->BindNerves();
  EnsureConfigFile();
  ReadConfigOpenRecent(this->RecentProjects);
  this->UpdateRecentMenu(this->RecentProjects);
  this->SecondVolume = 0;
  this->StartPictureDownload();
  this->AttachmentsA = new CQlmVolumeAttachmentList;
  this->AttachmentsB = new CQlmVolumeAttachmentList;
  this->SetupLibraries();
  this->ShowLibraryToolBars();
  if (this->MainFrame) this->MainFrame->RecalcLayout();
  this->SagittalCoronal = 0;
}

void CQlmQuorvantile::BindRenderWindows() {
  this->WindowAxial->SetHostWindow(HostOf(this->AxialView));
  this->WindowPanoramic->SetHostWindow(HostOf(this->PanoramicView));
  this->Window3D->SetHostWindow(HostOf(this->View3D));
  this->Window3D->SetBackground(0.33f, 0.33f, 0.33f);
  this->Window3D->StartObserver->SetStatusTarget(this->StatusObserver);
  this->Window3D->EndObserver->SetStatusTarget(this->StatusObserver);
  this->WindowCross->SetHostWindow(HostOf(this->CrossView));
}

// The axial slice is drawn mirrored in y: the axial view shows it in the planning frame.
void CQlmQuorvantile::BindViewers() {
  this->ViewerAxial->SetWindow(this->WindowAxial);
  this->ViewerAxial->GetMapper()->SetInterpolation(1);
  this->ViewerAxial->GetMapper()->MirrorYOn();
  this->ViewerPanoramic->SetWindow(this->WindowPanoramic);
  this->ViewerCross->SetWindow(this->WindowCross);
}

// A failed pick in a 2D view is retried on rings around the pointer up to 2 pixels away.
void CQlmQuorvantile::BindStyles() {
  this->Style3D->SetWindow(this->Window3D);
  this->StyleAxial->SetWindow(this->WindowAxial);
  this->StylePanoramic->SetWindow(this->WindowPanoramic);
  this->StyleCross->SetWindow(this->WindowCross);
  for (CQlmInteractorBase* style :
       std::initializer_list<CQlmInteractorBase*>{this->StyleAxial, this->StylePanoramic, this->StyleCross}) {
    style->PickSearchRadius = 2;
  }
}

// The arch lies in the axial view, yellow, hidden with its section marks until it is edited.
void CQlmQuorvantile::HostArchPolyLine() {
  this->PolyLine->SetWindow(this->WindowAxial);
  this->PolyLine->AddToRenderer();
  this->PolyLine->SetVisibility(0);
  this->PolyLine->SetLineColor(1.0f, 1.0f, 0.0f);
  this->PanoramicCalc->SetPolyLine(this->PolyLine);
}

// Indicators in every view, all hidden until a project is loaded; the six switches off.
void CQlmQuorvantile::BindIndicator() {
  this->Indicator->SetWindowAxial(this->WindowAxial);
  this->Indicator->SetWindowPanoramic(this->WindowPanoramic);
  this->Indicator->SetWindowCross(this->WindowCross);
  this->Indicator->SetWindow3D(this->Window3D);
  this->Indicator->AddToWindows();
  this->Indicator->SetVisibility2D(0);
  this->Indicator->SetVisibility3D(0);
  std::fill(std::begin(this->IndicatorSwitches), std::end(this->IndicatorSwitches), 0);
  this->PositionListeners[CQlmPositionListener::Indicators] = this->Indicator;
  this->IndicatorHook = this->Indicator;
}

// The picture fetched now is the splash picture of the next start.
void CQlmQuorvantile::StartPictureDownload() {
  CString url = QlmWebServer::PictureUrl();
  if (url.IsEmpty()) return;
  this->PictureDownload->SetInputPathWeb(url);
  this->PictureDownload->SetOutputPathHD(GetConfigFolder() + "pic.bmp");
  this->PictureDownload->Download();
}

// The library tool bars as the settings file last left them.
void CQlmQuorvantile::ShowLibraryToolBars() {
  int shown[5] = {1, 0, 0, 0, 0};
  ReadConfigShowToolBars(shown);
  if (!this->MainFrame) return;
  CMainFrame& frame = *this->MainFrame;
  frame.ShowControlBar(&frame.ImplantToolBar, shown[0], FALSE);
  frame.ShowControlBar(&frame.OrtoToolBar, shown[1], FALSE);
  frame.ShowControlBar(&frame.EndoToolBar, shown[4], FALSE);
  frame.ShowControlBar(&frame.GeomsToolBar, shown[2], FALSE);
  frame.ShowControlBar(&frame.DentesToolBar, shown[3], FALSE);
}

void CQlmQuorvantile::DetachCores() {
  if (this->Style3D) this->Style3D->SetCore(nullptr);
  if (this->StyleAxial) this->StyleAxial->SetCore(nullptr);
  if (this->StylePanoramic) this->StylePanoramic->SetCore(nullptr);
  if (this->StyleCross) this->StyleCross->SetCore(nullptr);
}

void CQlmQuorvantile::Teardown() {
  this->DetachCores();
  this->ReleaseObjectTools();
  this->ReleaseNerves();
  // The implants' cuts read the volume and the arch: they go first, after the rings that follow them.
  this->ReleaseRings();
  this->ReleaseImplants();
  this->ReleaseTeeth();
  this->PositionListeners[CQlmPositionListener::Indicators] = nullptr;
  if (this->IndicatorHook == this->Indicator) this->IndicatorHook = nullptr;
  CQlmIndicator::Delete(this->Indicator);
  this->Indicator = nullptr;
  this->ReleaseMeasures();
  Release(this->CTData);
  Release(this->CTData2);
  Release(this->Creator202106);
  Release(this->StatusObserver);
  Release(this->Style3D);
  Release(this->StyleAxial);
  Release(this->StylePanoramic);
  Release(this->StyleCross);
  Release(this->PolyLine);
  Release(this->PanoramicCalc);
  Release(this->CTFilter);
  this->ReleaseGeometries();
  if (this->CorePolyLine) this->CorePolyLine->Delete();
  this->CorePolyLine = nullptr;
  Release(this->ViewerAxial);
  Release(this->ViewerPanoramic);
  Release(this->ViewerCross);
  this->ReleaseOverlays();
  Release(this->WindowAxial);
  Release(this->WindowPanoramic);
  Release(this->Window3D);
  Release(this->WindowCross);
  Release(this->PreviewDialog);
  Release(this->PrintPreview);
  Release(this->ReportViews);
  Release(this->ReportImplants);
  Release(this->RequestInfo);
  CQlmWebFile::Delete(this->PictureDownload);
  this->PictureDownload = nullptr;
  Release(this->AttachmentsA);
  Release(this->AttachmentsB);
  this->ReleaseLibraries();
}
