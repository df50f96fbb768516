#include "app/CQlmQuorvantile.h"

#include <algorithm>

#include "app/CMainFrame.h"
#include "app/CQlmObserverQuorvantile.h"
#include "app/QlmConfig.h"
#include "app/QlmResourceIds.h"
#include "app/QlmWebServer.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmCTViewer2.h"
#include "ct/CQlmCTViewer92.h"
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLine.h"
#include "libconvert/CQlmWebFile.h"
#include "platform/CQlmPrompter.h"
#include "platform/gui/CStatusBar.h"
#include "platform/gui/QlmResource.h"
#include "project/CQlmProjectCreator202106.h"
#include "project/CQlmProjectData.h"
#include "project/CQlmVolumeAttachmentList.h"
#include "views/C3DWnd.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorRecord.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmInteractorStyle3.h"

namespace {

constexpr int OffScreenMode = 2;
constexpr float DisplayMinimum = 0.0f;
constexpr float DisplayMaximum = 4095.0f;
// Smallest half extent (mm) the 2D views zoom in to.
constexpr float MinimumHalfExtent = 0.5f;
constexpr const char* MakerAddress = "www.quillmar.com.br";
constexpr const char* RecentMenuText = "Abrir Recentes";
// Where the separator and the recent pop-up go in the file menu.
constexpr UINT RecentSeparatorPosition = 8;
constexpr UINT RecentMenuPosition = 9;

// Range 0 .. maximum with the position running opposite to the index.
void SetScrollBar(CWnd* view, int maximum, int index) {
  if (!view) return;
  view->SetScrollRange(SB_VERT, 0, maximum);
  view->SetScrollPos(SB_VERT, maximum - index);
}

void EnableScrollBar(CWnd* view, int enabled) {
  if (view) view->EnableScrollBar(SB_VERT, enabled ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
}

// The 2D camera's image: its half extents (mm) and, as the centre of the fit
// and of the pan limits, its centre.
template <class Style>
void SetImage(Style& style, vtkImageData* image, float halfWidth, float halfHeight) {
  style.MinimumHalfWidth = MinimumHalfExtent;
  style.MinimumHalfHeight = MinimumHalfExtent;
  style.ImageHalfWidth = halfWidth;
  style.ImageHalfHeight = halfHeight;
  double bounds[6];
  image->GetBounds(bounds);
  float* centre = style.GetCommonRecord().CenterPoint;
  centre[0] = static_cast<float>((bounds[0] + bounds[1]) / 2);
  centre[1] = static_cast<float>((bounds[2] + bounds[3]) / 2);
}

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

CString CQlmQuorvantile::RecentTitle(const CString& path) {
  const int start = std::max(path.ReverseFind('\\'), path.ReverseFind('/')) + 1;
  const int point = path.ReverseFind('.');
  return point < start ? CString() : path.Mid(start, point - start);
}

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
  this->CTData2 = new CQlmCTData;
  this->PictureDownload = CQlmWebFile::New();
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
  this->PanoramicCalc->SetPolyLine(this->PolyLine);
  std::fill(std::begin(this->IndicatorSwitches), std::end(this->IndicatorSwitches), 0);
  EnsureConfigFile();
  ReadConfigOpenRecent(this->RecentProjects);
  this->UpdateRecentMenu(this->RecentProjects);
  this->SecondVolume = 0;
  this->StartPictureDownload();
  this->AttachmentsA = new CQlmVolumeAttachmentList;
  this->AttachmentsB = new CQlmVolumeAttachmentList;
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

void CQlmQuorvantile::BindViewers() {
  this->ViewerAxial->SetWindow(this->WindowAxial);
  this->ViewerAxial->GetMapper()->SetInterpolation(1);
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

void CQlmQuorvantile::Teardown() {
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
  Release(this->ViewerAxial);
  Release(this->ViewerPanoramic);
  Release(this->ViewerCross);
  Release(this->WindowAxial);
  Release(this->WindowPanoramic);
  Release(this->Window3D);
  Release(this->WindowCross);
  CQlmWebFile::Delete(this->PictureDownload);
  this->PictureDownload = nullptr;
  Release(this->AttachmentsA);
  Release(this->AttachmentsB);
}

int CQlmQuorvantile::OpenProject(CString path, CString title, CString fileName, CString extension) {
  this->Creator202106->Path = path;
  this->StatusObserver->GetProgressBar().SetPos(0);
  this->StatusObserver->SetText("Lendo Projeto...");
  if (this->Creator202106->GetFileVersion() > NewestFormat) {
    QlmMessageBox(CString("Quorvantile desatualizado\nAtualize em ") + MakerAddress + "\n", "Atenção",
                  QlmButtons::OkCancel, QlmIcon::None);
    return 0;
  }
  if (!this->ReadProjectFile()) {
    this->StatusObserver->GetProgressBar().SetPos(0);
    this->StatusObserver->SetText("Pronto");
    return 0;
  }
  this->ProjectPath = path;
  this->ProjectTitle = title;
  this->ProjectFileName = fileName;
  this->ProjectExtension = extension;
  this->SetupViewsAfterLoad();
  this->Modified = 0;
  this->StatusObserver->GetProgressBar().SetPos(0);
  this->StatusObserver->SetText("Pronto");

  this->PutRecentProject(path);
  if (this->MainFrame) this->MainFrame->SetWindowTitle(CMainFrame::Title + title);
  return 1;
}

void CQlmQuorvantile::PutRecentProject(CString path) {
  ReadConfigOpenRecent(this->RecentProjects);
  this->AddRecentFile(this->RecentProjects, path);
  WriteConfigOpenRecent(this->RecentProjects);
}

// The readers from the newest generation to the oldest; the first that takes the file has read it.
int CQlmQuorvantile::ReadProjectFile() { return this->Creator202106->Load(); }

int CQlmQuorvantile::SaveProject(CString path, CString messageName) {
  this->Creator202106->Path = path;
  this->StatusObserver->SetText("Salvando Projeto...");
  const int saved = this->Creator202106->Save();
  if (saved) {
    this->Modified = 0;
  } else {
    QlmMessageBox("Erro ao salvar " + messageName, "Erro", QlmButtons::Ok, QlmIcon::Error);
  }
  this->StatusObserver->SetText("Pronto");
  this->StatusObserver->GetProgressBar().SetPos(0);
  if (this->MainFrame) this->MainFrame->SetWindowTitle(CMainFrame::Title + this->ProjectTitle);
  return saved;
}

void CQlmQuorvantile::SetupViewsAfterLoad() {
  this->ProjectOpen = 1;
  this->CTFilter->SetInput(this->PanoramicCalc, this->CTData->ImageData);
  this->ShowVolume();
  this->CTFilter->GetPanFilter()->SetFlipY(1);
  this->CTFilter->GetCrossFilter()->SetFlipY(1);
  this->SetScrollBars();
  this->FitCameras();
  if (this->MainFrame) this->MainFrame->SizeSplitters();
  this->RestoreViewsOfFile();
  // The file's reformat may have reshaped the images; its cameras stay.
  this->SetCameraImages();
  if (this->MainFrame) {
    this->MainFrame->SplitterOuter.EnableWindow(TRUE);
    this->MainFrame->SplitterLeft.EnableWindow(TRUE);
    this->MainFrame->SplitterRight.EnableWindow(TRUE);
  }
  this->ShowViewStatus();
  this->ApplyWindowSettings();
  this->ApplyInterpolationSetting();
  if (this->ThickPanoramic) this->ShowThickPanoramic();
  this->RenderViews();
}

// The view state kept by the reader of the loaded format.
void CQlmQuorvantile::RestoreViewsOfFile() {
  if (this->LoadedVersion == CQlmProjectData::Format800900 || this->LoadedVersion == CQlmProjectData::Format800901) {
    this->Creator202106->RestoreViews();
  }
}

// Each viewer shows its filter's image over the whole 12-bit range, interpolated.
void CQlmQuorvantile::ShowVolume() {
  const std::pair<CQlmCTViewer2*, vtkImageData*> singles[] = {
      {this->ViewerAxial, this->CTFilter->GetAxialFilter()->GetOutput()},
      {this->ViewerPanoramic, this->CTFilter->GetPanFilter()->GetOutput()}};
  for (const auto& [viewer, image] : singles) {
    viewer->SetInput(image);
    viewer->AddToRenderer();
    viewer->SetMinimum(DisplayMinimum);
    viewer->SetMaximum(DisplayMaximum);
    viewer->GetMapper()->SetInterpolation(1);
  }
  this->ViewerCross->SetInput(this->CTFilter->GetCrossFilter()->GetOutput());
  this->ViewerCross->AddToRenderers();
  this->ViewerCross->SetMinimum(DisplayMinimum);
  this->ViewerCross->SetMaximum(DisplayMaximum);
  this->ViewerCross->SetInterpolation(1);
}

void CQlmQuorvantile::SetScrollBars() {
  const CQlmCTAxialFilter& axial = *this->CTFilter->GetAxialFilter();
  const CQlmCTCrossFilter9& cross = *this->CTFilter->GetCrossFilter();
  SetScrollBar(this->AxialView, axial.GetMaxSlice(), axial.GetCurrentSlice());
  SetScrollBar(this->PanoramicView, this->PanoramicCalc->GetCurveCount(), this->PanoramicCalc->GetCurrentCurve());
  SetScrollBar(this->CrossView, cross.GetMaxIndex(), cross.GetFirstIndex());
}

// Half extents: axial the volume's x and y, panoramic the arch and the height, cross-section the width and height.
void CQlmQuorvantile::SetCameraImages() {
  const float* size = this->CTData->GetPhysicalSize();
  const CQlmCTFilter& filters = *this->CTFilter;
  SetImage(*this->StyleAxial, filters.GetAxialFilter()->GetOutput(), size[0] / 2, size[1] / 2);
  SetImage(*this->StylePanoramic, filters.GetPanFilter()->GetOutput(), this->PanoramicCalc->GetArchLength() / 2,
           size[2] / 2);
  SetImage(*this->StyleCross, filters.GetCrossFilter()->GetOutput(), filters.GetCrossFilter()->GetSectionWidth() / 2,
           size[2] / 2);
}

void CQlmQuorvantile::FitCameras() {
  this->SetCameraImages();
  this->StyleAxial->FitToWindow();
  this->StylePanoramic->FitToWindow();
  this->StyleCross->FitToWindow();
}

// Pane 2 the axial display range, pane 1 the selected implant's measures (none yet).
void CQlmQuorvantile::ShowViewStatus() {
  if (!this->MainFrame) return;
  vtkImage16bitsMonocromeTo8BitsRGBFilter& grey = *this->ViewerAxial->GetWindowLevelFilter();
  const double level = grey.GetColorLevel();
  const double window = grey.GetColorWindow();
  CString range;
  range.Format("min: %.f  max: %.f", level - window / 2, level + window / 2);
  this->MainFrame->StatusBar.SetPaneText(2, range);
  this->MainFrame->StatusBar.SetPaneText(1, "Diam:          Comp:             Conect:         Ângulo:");
}

// "Windows Advanced: " values 1 to 4 switch the axial, cross-section, panoramic and 3D views
// (and the first three's scroll bars).
void CQlmQuorvantile::ApplyWindowSettings() {
  int values[21];
  std::fill(std::begin(values), std::end(values), 1);
  ReadConfigWindowsAdvanced(values);
  this->WindowAxial->Enabled = values[0];
  this->WindowCross->Enabled = values[1];
  this->WindowPanoramic->Enabled = values[2];
  this->Window3D->Enabled = values[3];
  EnableScrollBar(this->AxialView, values[0]);
  EnableScrollBar(this->CrossView, values[1]);
  EnableScrollBar(this->PanoramicView, values[2]);
}

void CQlmQuorvantile::ApplyInterpolationSetting() {
  int interpolation = 1;
  ReadConfig2DInterpolation(interpolation);
  this->ViewerAxial->GetMapper()->SetInterpolation(interpolation);
  this->ViewerPanoramic->GetMapper()->SetInterpolation(interpolation);
  this->ViewerCross->SetInterpolation(interpolation);
}

// A project saved with the thick panoramic: the slab of the middle curve, the curve fixed.
void CQlmQuorvantile::ShowThickPanoramic() {
  EnableScrollBar(this->PanoramicView, 0);
  this->CTFilter->SetCurrentCurve(this->PanoramicCalc->GetMiddleCurve());
  CQlmCTPanFilter& panoramic = *this->CTFilter->GetPanFilter();
  panoramic.SetThick(1);
  panoramic.Update();
}

void CQlmQuorvantile::RenderViews() {
  this->WindowAxial->Render();
  this->WindowCross->Render();
  this->WindowPanoramic->Render();
  this->Window3D->Renderer3->ResetCameraClippingRange();
  this->Window3D->Render();
}

void CQlmQuorvantile::AddRecentFile(CString (&list)[RecentCount], CString path) {
  int found = RecentCount - 1;
  for (int index = 0; index < RecentCount; ++index) {
    if (list[index] == path) {
      found = index;
      break;
    }
  }
  for (int index = found; index > 0; --index) list[index] = list[index - 1];
  list[0] = path;
  this->UpdateRecentMenu(list);
}

void CQlmQuorvantile::UpdateRecentMenu(const CString (&list)[RecentCount]) {
  if (std::all_of(std::begin(list), std::end(list), [](const CString& path) { return path.IsEmpty(); })) return;
  CMenu* fileMenu = this->MainFrame ? this->MainFrame->GetMenu()->GetSubMenu(0) : nullptr;
  if (!fileMenu) return;
  // The old pop-up and the separator under it.
  for (UINT position = 0; position < static_cast<UINT>(fileMenu->GetMenuItemCount()); ++position) {
    if (fileMenu->GetMenuString(position, MF_BYPOSITION) == RecentMenuText) {
      fileMenu->DeleteMenu(position, MF_BYPOSITION);
      fileMenu->DeleteMenu(position, MF_BYPOSITION);
    }
  }
  CMenu recent;
  recent.CreatePopupMenu();
  for (int index = 0; index < RecentCount; ++index) {
    CString title = RecentTitle(list[index]);
    if (!title.IsEmpty()) recent.AppendMenu(MF_STRING, RecentProjectCommands[index], title);
  }
  QMenu* popup = recent.GetQMenu();
  fileMenu->InsertMenu(RecentSeparatorPosition, MF_BYPOSITION | MF_SEPARATOR);
  fileMenu->InsertMenu(RecentMenuPosition, MF_BYPOSITION | MF_POPUP, &recent, RecentMenuText);
  this->MainFrame->ConnectMenu(popup);
}
