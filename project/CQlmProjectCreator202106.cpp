#include "project/CQlmProjectCreator202106.h"

#include <vtkCamera.h>
#include <vtkImageData.h>
#include <vtkRenderer.h>

#include <algorithm>
#include <cmath>
#include <exception>

#include "app/CMainFrame.h"
#include "app/CQlmObserverQuorvantile.h"
#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTViewer2.h"
#include "toolkit/vtkImage16bitsMonocromeTo8BitsRGBFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmImageCompressor.h"
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLine.h"
#include "objects/CQlmRullers.h"
#include "objects/CQlmGeometries.h"
#include "output/CQlmPrintPreview.h"
#include "platform/CArchive.h"
#include "platform/CFile.h"
#include "platform/CQlmPrompter.h"
#include "platform/gui/CSplitterWnd.h"
#include "platform/gui/QlmGuiConstants.h"
#include "project/CQlmGeometryBlock.h"
#include "project/CQlmKeptLibraries.h"
#include "project/CQlmProjectData.h"
#include "project/CQlmProjectRefusal.h"
#include "project/CQlmRequestInfo.h"
#include "project/CQlmVolumeAttachmentList.h"
#include "project/QlmViewRanges.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmIndicator.h"
#include "views/CQlmInteractorStyle3.h"

namespace {

constexpr int MinimumPane = 50;
// The probe reads one word: a small buffer spares reading megabytes ahead.
constexpr size_t ProbeBufferSize = 64;

// Defaults of a file without view state: section width, spacing, curve spacing, curve count value.
constexpr float DefaultSectionWidth = 50.0f;
constexpr float DefaultSectionSpacing = 1.0f;
constexpr float DefaultCurveSpacing = 1.0f;
constexpr int DefaultCurveCountValue = 17;

void CaptureCamera(vtkCamera* camera, CQlmViewState::Camera& stored) {
  camera->GetPosition(stored.Position);
  camera->GetFocalPoint(stored.FocalPoint);
  camera->GetViewUp(stored.ViewUp);
  stored.ParallelScale = camera->GetParallelScale();
}

void ApplyCamera(const CQlmViewState::Camera& stored, vtkCamera* camera) {
  camera->SetPosition(stored.Position);
  camera->SetFocalPoint(stored.FocalPoint);
  camera->SetParallelScale(stored.ParallelScale);
}

vtkCamera* CameraOf(CQlm3DWindow* window) { return window->Renderer3->GetActiveCamera(); }
vtkCamera* CameraOf(CQlm3DWindow9* window) { return window->Renderer3[CQlm3DWindow9::CentreCell]->GetActiveCamera(); }

// Range 0 .. maximum with the position reversed (index = maximum - position).
void SetScrollBar(CWnd* view, int maximum, int index, bool enabled) {
  if (!view) return;
  view->SetScrollRange(SB_VERT, 0, maximum);
  view->SetScrollPos(SB_VERT, maximum - index);
  view->EnableScrollBar(SB_VERT, enabled ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
}

// The file's camera when it shows the view's picture, else the camera as the set-up framed it.
void RestoreViewCamera(const CQlmViewState::Camera& stored, vtkCamera* camera, vtkImageData* picture) {
  double bounds[6];
  picture->GetBounds(bounds);
  double clipping[2];
  camera->GetClippingRange(clipping);
  if (QlmViewRanges::IsViewCamera(stored, bounds, clipping)) ApplyCamera(stored, camera);
}

// The first pane at `fraction` of the frame's client extent, rounded so that a
// save and reopen give the same size, when it leaves both panes their minimum;
// else the pane keeps its start-up size.
void RestorePane(CSplitterWnd& splitter, int clientExtent, float fraction) {
  const bool columns = splitter.GetColumnCount() > 1;
  CRect own;
  splitter.GetClientRect(&own);
  const double size = std::round(static_cast<double>(clientExtent) * fraction);
  if (!QlmViewRanges::IsPaneSize(size, columns ? own.Width() : own.Height(), MinimumPane)) return;
  if (columns) {
    splitter.SetColumnInfo(0, static_cast<int>(size), MinimumPane);
  } else {
    splitter.SetRowInfo(0, static_cast<int>(size), MinimumPane);
  }
}

bool RunCodec(vtkImageData* image, vtkUnsignedCharArray* block, CQlmObserver* observer, bool compress) {
  CQlmImageCompressor* codec = CQlmImageCompressor::New();
  codec->ImageData = image;
  codec->VolumeBlock = block;
  codec->ProgressObserver = observer;
  const bool done = compress ? codec->Compress() : codec->Decompress();
  codec->Delete();
  return done;
}

}  // namespace

CQlmProjectCreator202106* CQlmProjectCreator202106::New() { return new CQlmProjectCreator202106; }

CQlmProjectCreator202106::CQlmProjectCreator202106()
    : MainVolumeBlock(vtkSmartPointer<vtkUnsignedCharArray>::New()),
      SecondVolumeBlock(vtkSmartPointer<vtkUnsignedCharArray>::New()),
      GeometryBlock(vtkSmartPointer<vtkUnsignedCharArray>::New()) {}

int CQlmProjectCreator202106::GetFileVersion() {
  try {
    CFile file;
    if (!file.Open(this->Path.Str(), CFile::modeRead)) return -1;
    CArchive archive(&file, CArchive::load, ProbeBufferSize);
    int32_t code = 0;
    archive >> code;
    return code;
  } catch (const std::exception&) {
    return -1;
  }
}

int CQlmProjectCreator202106::Load() { return this->Read800900() || this->Read800901() ? 1 : 0; }

int CQlmProjectCreator202106::Save() { return this->Write800901(); }

void CQlmProjectCreator202106::RestoreViews() {
  if (this->FormatCode == CQlmProjectData::Format800900) this->RestoreViews800900();
  if (this->FormatCode == CQlmProjectData::Format800901) this->RestoreViews800901();
}

int CQlmProjectCreator202106::Read800900() { return this->Read(CQlmProjectData::Format800900); }

int CQlmProjectCreator202106::Read800901() { return this->Read(CQlmProjectData::Format800901); }

int CQlmProjectCreator202106::Read(int formatCode) {
  CQlmProjectData data;
  try {
    CFile file;
    if (!file.Open(this->Path.Str(), CFile::modeRead)) return 0;
    CArchive archive(&file, CArchive::load);
    int32_t code = 0;
    archive >> code;
    this->FormatCode = code;
    if (formatCode == CQlmProjectData::Format800900) {
      archive >> data.ReservedWords[0] >> data.ReservedWords[1];
      std::copy_n(data.ReservedWords, 2, this->Controller->Reserved);
    }
    if (code != formatCode) return 0;
    if (formatCode == CQlmProjectData::Format800901) archive >> data.ReservedWords[0] >> data.ReservedWords[1];
    data.LoadSections(archive, formatCode);
  } catch (const CQlmProjectRefusal& refusal) {
    QlmMessageBox(refusal.Message, "Carregando Projeto", QlmButtons::Ok, QlmIcon::Error);
    return 0;
  } catch (const std::exception&) {
    return 0;
  }
  const CQlmKeptLibraries kept(*this->Controller);
  LibraryItems items;
  if (!this->ResolveMultiParts(data, items) || !this->ResolveLibraryObjects(data, items)) return 0;
  std::copy_n(data.ReservedWords, 2, this->Controller->Reserved);
  if (!this->TakeVolumes(data)) return 0;
  this->TakeGeometries(data);
  if (formatCode == CQlmProjectData::Format800901) {
    this->TakeSections800901(data);
    this->TakeMultiParts(data, items);
    this->TakeLibraryObjects(data, items);
  }
  this->Controller->LoadedVersion = this->FormatCode;
  return 1;
}

bool CQlmProjectCreator202106::DecodeVolume(vtkUnsignedCharArray* block, vtkImageData* image) {
  return RunCodec(image, block, this->Controller->StatusObserver, false);
}

bool CQlmProjectCreator202106::TakeVolumes(CQlmProjectData& data) {
  CQlmQuorvantile& controller = *this->Controller;
  if (!this->DecodeVolume(data.MainVolumeBlock, controller.CTData->ImageData)) return false;
  // A main volume without slices has nothing to show: the file is damaged.
  if (controller.CTData->ImageData->GetDimensions()[2] < 1) return false;
  this->MainVolumeBlock = data.MainVolumeBlock;
  this->HasMainVolumeBlock = 1;
  controller.AttachmentsA->TakeAll(data.AttachmentsA);
  controller.SecondVolume = data.HasSecondVolume;
  if (!data.HasSecondVolume) return true;
  if (!this->DecodeVolume(data.SecondVolumeBlock, controller.CTData2->ImageData)) return false;
  this->SecondVolumeBlock = data.SecondVolumeBlock;
  this->HasSecondVolumeBlock = 1;
  controller.AttachmentsB->TakeAll(data.AttachmentsB);
  return true;
}

// The records become the controller's imported objects, pickable whatever the record says.
void CQlmProjectCreator202106::TakeGeometries(CQlmProjectData& data) {
  this->GeometryBlock = data.GeometryBlock;
  this->HasGeometryBlock = 1;
  this->Controller->GeometryBlock = 1;
  CQlmObjectList& objects = this->Controller->Geometries->GetObjectList();
  for (const CQlmGeometryRecord& record : data.Geometries) {
    CQlmObject& object = *objects.AddNewObject();
    object.Name = record.Name;
    object.ReservedValue1 = record.ReservedValue1;
    object.ReservedValue2 = record.ReservedValue2;
    std::copy_n(record.CutShown, 3, object.CutShown);
    std::copy_n(record.Matrix, 16, object.ReservedMatrix);
    std::copy_n(&record.Points[0][0], 30, &object.ReservedPoints[0][0]);
    object.SetPolyData(record.Mesh);
    object.SetColor(record.Color[0], record.Color[1], record.Color[2]);
    object.SetColor2(record.Color2[0], record.Color2[1], record.Color2[2]);
    object.SetOpacity(record.Opacity);
    object.SetVisibility(record.Visible);
    object.SetPickable(1);
    object.SelectColor(record.ColorChoice);
    object.SetDepthSort(record.DepthSort);
    object.SetDisplayMode(record.DisplayMode);
    object.SetSmooth(record.Smooth);
    object.SetShine(record.Shine);
  }
}

void CQlmProjectCreator202106::TakeSections800901(CQlmProjectData& data) {
  CQlmQuorvantile& controller = *this->Controller;
  this->ImplantDefaults = data.ImplantDefaults;
  this->TakeImplants(data);
  // An arch away from the volume is a new project's: the controller's own.
  if (data.Arch.IsNearVolume(controller.CTData->GetPhysicalSize())) data.Arch.ApplyTo(*controller.PolyLine);
  data.Values.ReplaceOutOfRange();
  if (data.Values.SagittalCoronal) {
    // The mode's sections span the volume, one curve per voxel row.
    const float* size = controller.CTData->GetPhysicalSize();
    const int rows = controller.CTData->ImageData->GetDimensions()[1];
    data.ViewState.ReplaceOutOfRange(std::max({QlmViewRanges::MaximumSectionWidth, size[0], size[1], size[2]}),
                                     std::max(rows, QlmViewRanges::MaximumCurves));
  } else {
    data.ViewState.ReplaceOutOfRange();
  }
  this->ViewState = data.ViewState;
  this->ApplyViewState(data.ViewState);
  this->TakeRulers(data);
  this->TakeNerves(data);
  std::copy_n(data.RequestTexts, CQlmRequestInfo::FormCount, controller.RequestInfo->Texts);
  controller.Notes = data.Notes;
  controller.PrintPreview->SwapStoredState(*data.Report);

  const CQlmDocumentValues& values = data.Values;
  controller.ThickPanoramic = values.ThickPanoramic;
  controller.CTFilter->GetPanFilter()->SetThickness(values.PanoramicThickness);
  controller.CTFilter->GetPanFilter()->SetThickMode(values.PanoramicMode);
  controller.FontSizes[CQlmQuorvantile::Implants] = values.ImplantFontSize;
  controller.NotesFlag = values.NotesShown;
  controller.SagittalCoronal = values.SagittalCoronal;
  controller.SavedReformat = values.Saved;
}

// The values of the view state that take effect as soon as they are read.
void CQlmProjectCreator202106::ApplyViewState(const CQlmViewState& state) {
  CQlmQuorvantile& controller = *this->Controller;
  controller.Window3D->SetBackground(state.Background3D[0], state.Background3D[1], state.Background3D[2]);
  std::copy_n(state.Indicators3DShown, 3, controller.IndicatorSwitches + 3);
  controller.WindowAxial->Enabled = state.ViewsInUse[0];
  controller.WindowCross->Enabled = state.ViewsInUse[1];
  controller.WindowPanoramic->Enabled = state.ViewsInUse[2];
  controller.Window3D->Enabled = state.ViewsInUse[3];
  controller.CurveEditing = 0;
}

int CQlmProjectCreator202106::Write800901() {
  this->FormatCode = CQlmProjectData::Format800901;
  CQlmProjectData data;
  if (!this->GiveVolumes(data) || !this->GiveGeometries(data)) return 0;
  this->GiveSections800901(data);
  CQlmQuorvantile& controller = *this->Controller;
  data.AttachmentsA.Swap(*controller.AttachmentsA);
  data.AttachmentsB.Swap(*controller.AttachmentsB);
  data.Report->SwapStoredState(*controller.PrintPreview);
  const bool saved = data.Save(this->Path.Str());
  data.AttachmentsA.Swap(*controller.AttachmentsA);
  data.AttachmentsB.Swap(*controller.AttachmentsB);
  data.Report->SwapStoredState(*controller.PrintPreview);
  return saved ? 1 : 0;
}

bool CQlmProjectCreator202106::GiveVolumes(CQlmProjectData& data) {
  CQlmQuorvantile& controller = *this->Controller;
  if (!this->HasMainVolumeBlock) {
    if (!RunCodec(controller.CTData->ImageData, this->MainVolumeBlock, controller.StatusObserver, true)) return false;
    this->HasMainVolumeBlock = 1;
  }
  data.MainVolumeBlock = this->MainVolumeBlock;
  data.HasSecondVolume = controller.SecondVolume;
  if (!controller.SecondVolume) return true;
  if (!this->HasSecondVolumeBlock) {
    if (!RunCodec(controller.CTData2->ImageData, this->SecondVolumeBlock, controller.StatusObserver, true)) {
      return false;
    }
    this->HasSecondVolumeBlock = 1;
  }
  data.SecondVolumeBlock = this->SecondVolumeBlock;
  return true;
}

bool CQlmProjectCreator202106::GiveGeometries(CQlmProjectData& data) {
  data.Geometries.clear();
  this->Controller->Geometries->GetObjectList().ForEach([&data](const CQlmObject* object) {
    CQlmGeometryRecord record;
    std::copy_n(object->GetColor(), 3, record.Color);
    std::copy_n(object->GetColor2(), 3, record.Color2);
    record.Opacity = object->GetOpacity();
    record.DisplayMode = object->GetDisplayMode();
    record.Visible = object->GetVisibility();
    record.Pickable = object->GetPickable();
    record.ColorChoice = object->GetColorChoice();
    record.DepthSort = object->GetDepthSort();
    record.Smooth = object->GetSmooth();
    record.Shine = object->GetShine();
    record.ReservedValue1 = object->ReservedValue1;
    record.ReservedValue2 = object->ReservedValue2;
    std::copy_n(object->CutShown, 3, record.CutShown);
    std::copy_n(object->ReservedMatrix, 16, record.Matrix);
    std::copy_n(&object->ReservedPoints[0][0], 30, &record.Points[0][0]);
    record.Name = object->Name;
    record.Mesh = object->GetPolyData();
    data.Geometries.push_back(record);
  });
  if (!this->HasGeometryBlock) {
    if (!data.BuildGeometryBlock()) return false;
    this->GeometryBlock = data.GeometryBlock;
    this->HasGeometryBlock = 1;
    this->Controller->GeometryBlock = 1;
  }
  data.GeometryBlock = this->GeometryBlock;
  return true;
}

bool CQlmProjectCreator202106::KeepImportedMesh(vtkPolyData* mesh) {
  if (!this->HasGeometryBlock) return false;
  if (CQlmGeometryBlock::AppendMesh(this->GeometryBlock, mesh)) return true;
  this->HasGeometryBlock = 0;
  this->GeometryBlock = vtkSmartPointer<vtkUnsignedCharArray>::New();
  this->Controller->GeometryBlock = 0;
  return false;
}

void CQlmProjectCreator202106::GiveSections800901(CQlmProjectData& data) {
  const CQlmQuorvantile& controller = *this->Controller;
  std::copy_n(controller.Reserved, 2, data.ReservedWords);
  data.ImplantDefaults = this->ImplantDefaults;
  this->GiveImplants(data);
  this->GiveMultiParts(data);
  this->GiveLibraryObjects(data);
  data.Arch.CaptureFrom(*controller.PolyLine);
  this->GiveViewState(data.ViewState);
  this->GiveRulers(data);
  this->GiveNerves(data);
  std::copy_n(controller.RequestInfo->Texts, CQlmRequestInfo::FormCount, data.RequestTexts);
  data.Notes = controller.Notes;

  CQlmDocumentValues& values = data.Values;
  values.ThickPanoramic = controller.ThickPanoramic;
  values.PanoramicThickness = controller.CTFilter->GetPanFilter()->GetThickness();
  values.PanoramicMode = controller.CTFilter->GetPanFilter()->GetThickMode();
  values.ImplantFontSize = controller.FontSizes[CQlmQuorvantile::Implants];
  values.NotesShown = controller.NotesFlag;
  values.SagittalCoronal = controller.SagittalCoronal;
  values.Saved = controller.SavedReformat;
}

// The live values where the controller holds their owners, the kept ones otherwise.
void CQlmProjectCreator202106::GiveViewState(CQlmViewState& state) {
  const CQlmQuorvantile& controller = *this->Controller;
  state = this->ViewState;
  const CQlmPanoramicCalc& calc = *controller.PanoramicCalc;
  const CQlmCTCrossFilter9& cross = *controller.CTFilter->GetCrossFilter();
  state.CurveCountValue = calc.GetCurveCount() + 1;
  state.CurveSpacing = calc.GetCurveSpacing();
  state.SectionWidth = cross.GetSectionWidth();
  state.SectionSpacing = cross.GetSectionSpacing();
  state.AxialSlice = controller.CTFilter->GetAxialFilter()->GetCurrentSlice();
  state.CrossPosition = cross.GetFirstIndex();
  state.PanoramicCurve = calc.GetCurrentCurve();
  CaptureCamera(CameraOf(controller.WindowAxial), state.AxialCamera);
  CaptureCamera(CameraOf(controller.WindowCross), state.CrossCamera);
  CaptureCamera(CameraOf(controller.WindowPanoramic), state.PanoramicCamera);
  CaptureCamera(CameraOf(controller.Window3D), state.Camera3D);
  std::copy_n(controller.Window3D->GetBackground(), 3, state.Background3D);
  if (controller.ViewerAxial) {
    vtkImage16bitsMonocromeTo8BitsRGBFilter& grey = *controller.ViewerAxial->GetWindowLevelFilter();
    state.DisplayMinimum = grey.GetColorLevel() - grey.GetColorWindow() * 0.5f;
    state.DisplayMaximum = grey.GetColorLevel() + grey.GetColorWindow() * 0.5f;
  }
  state.SingleCrossSection = controller.WindowCross->GetSingleCell();
  std::copy_n(controller.IndicatorSwitches, 3, state.IndicatorFlags);
  std::copy_n(controller.IndicatorSwitches + 3, 3, state.Indicators3DShown);
  state.ViewsInUse[0] = controller.WindowAxial->Enabled;
  state.ViewsInUse[1] = controller.WindowCross->Enabled;
  state.ViewsInUse[2] = controller.WindowPanoramic->Enabled;
  state.ViewsInUse[3] = controller.Window3D->Enabled;
  state.CurveEdit = controller.CurveEditing;
  if (CMainFrame* frame = controller.MainFrame) {
    CRect client;
    frame->GetClientRect(&client);
    if (client.Width() > 0 && client.Height() > 0) {
      int size = 0;
      int minimum = 0;
      frame->SplitterOuter.GetColumnInfo(0, size, minimum);
      state.SplitterFractions[0] = static_cast<float>(size) / static_cast<float>(client.Width());
      frame->SplitterLeft.GetRowInfo(0, size, minimum);
      state.SplitterFractions[1] = static_cast<float>(size) / static_cast<float>(client.Height());
      frame->SplitterRight.GetRowInfo(0, size, minimum);
      state.SplitterFractions[2] = static_cast<float>(size) / static_cast<float>(client.Height());
    }
  }
}

void CQlmProjectCreator202106::RestoreViews800901() {
  const CQlmViewState& state = this->ViewState;
  this->RestoreReformat(state.SectionWidth, state.SectionSpacing, state.CurveSpacing, state.CurveCountValue);
  this->RestorePositionsOfFile(state);
  this->RestoreCameras(state);
  this->RestoreScrollBars(state.ViewsInUse[0], state.ViewsInUse[1], state.ViewsInUse[2]);
  if (state.SingleCrossSection) this->ShowSingleCrossSection();
  this->RestoreSplitters(state.SplitterFractions);
  if (this->Controller->Indicator) this->Controller->Indicator->SetTransparent(state.IndicatorTransparent);
}

void CQlmProjectCreator202106::RestoreViews800900() {
  CQlmQuorvantile& controller = *this->Controller;
  this->RestoreReformat(DefaultSectionWidth, DefaultSectionSpacing, DefaultCurveSpacing, DefaultCurveCountValue);
  const Positions middle = this->MiddlePositions();
  this->RestorePositions(middle.AxialSlice, middle.CrossPosition, middle.Curve);
  this->ShowSingleCrossSection();

  vtkCamera* panoramic = CameraOf(controller.WindowPanoramic);
  panoramic->SetPosition(0, 0, 1);
  panoramic->SetFocalPoint(0, 0, 0);
  panoramic->SetParallelScale(controller.CTData->GetPhysicalSize()[2] / 2);
  controller.Style3D->ViewFront();
  controller.Style3D->ZoomIn();
  controller.Style3D->ZoomIn();
  for (CQlm3DWindow* window : {controller.WindowAxial, controller.WindowPanoramic, controller.Window3D}) {
    window->Enabled = 1;
  }
  controller.WindowCross->Enabled = 1;

  controller.CurveEditing = 0;
  controller.ThickPanoramic = !controller.ThickPanoramic;
  CQlmCTFilter& filters = *controller.CTFilter;
  filters.SetCurrentCurve(controller.PanoramicCalc->GetMiddleCurve());
  filters.GetPanFilter()->SetThick(controller.ThickPanoramic);
  this->UpdateFilters();
  this->RestoreScrollBars(1, 1, !controller.ThickPanoramic);
}

// The reformat parameters to the filters and the arch geometry, all recomputed.
void CQlmProjectCreator202106::RestoreReformat(float width, float spacing, float curveSpacing, int curveCountValue) {
  this->Controller->CTFilter->SetParameters(width, spacing, curveSpacing, curveCountValue);
  if (this->Controller->Indicator)
    this->Controller->Indicator->SetSectionGeometry(width, spacing, curveSpacing, curveCountValue);
  this->UpdateFilters();
}

void CQlmProjectCreator202106::UpdateFilters() {
  CQlmQuorvantile& controller = *this->Controller;
  controller.PanoramicCalc->Update();
  controller.CTFilter->GetAxialFilter()->Update();
  controller.CTFilter->GetCrossFilter()->Update();
  controller.CTFilter->GetPanFilter()->Update();
  if (controller.Indicator) controller.Indicator->Update();
}

CQlmProjectCreator202106::Positions CQlmProjectCreator202106::MiddlePositions() const {
  const CQlmQuorvantile& controller = *this->Controller;
  const int slices = controller.CTData->ImageData->GetDimensions()[2];
  const int highest = std::max(controller.CTFilter->GetCrossFilter()->GetMaxIndex(), 0);
  return {slices / 2, highest / 2, controller.PanoramicCalc->GetMiddleCurve()};
}

// Each index of the file where the filters hold it, else the middle one.
void CQlmProjectCreator202106::RestorePositionsOfFile(const CQlmViewState& state) {
  const CQlmCTFilter& filters = *this->Controller->CTFilter;
  const Positions middle = this->MiddlePositions();
  using QlmViewRanges::IsIndex;
  const bool slice = IsIndex(state.AxialSlice, filters.GetAxialFilter()->GetMaxSlice());
  const bool section = IsIndex(state.CrossPosition, filters.GetCrossFilter()->GetMaxIndex());
  const bool curve = IsIndex(state.PanoramicCurve, this->Controller->PanoramicCalc->GetCurveCount());
  this->RestorePositions(slice ? state.AxialSlice : middle.AxialSlice,
                         section ? state.CrossPosition : middle.CrossPosition,
                         curve ? state.PanoramicCurve : middle.Curve);
}

// The 2D cameras against the pictures they show now, the 3D camera against the volume.
void CQlmProjectCreator202106::RestoreCameras(const CQlmViewState& state) {
  CQlmQuorvantile& controller = *this->Controller;
  const CQlmCTFilter& filters = *controller.CTFilter;
  RestoreViewCamera(state.AxialCamera, CameraOf(controller.WindowAxial), filters.GetAxialFilter()->GetOutput());
  RestoreViewCamera(state.CrossCamera, CameraOf(controller.WindowCross), filters.GetCrossFilter()->GetOutput());
  RestoreViewCamera(state.PanoramicCamera, CameraOf(controller.WindowPanoramic), filters.GetPanFilter()->GetOutput());
  if (QlmViewRanges::IsCamera3D(state.Camera3D, controller.CTData->GetPhysicalSize())) {
    vtkCamera* camera3D = CameraOf(controller.Window3D);
    ApplyCamera(state.Camera3D, camera3D);
    camera3D->SetViewUp(state.Camera3D.ViewUp);
    camera3D->OrthogonalizeViewUp();
  }
  controller.Window3D->Renderer3->ResetCameraClippingRange();
}

void CQlmProjectCreator202106::RestorePositions(int axialSlice, int crossPosition, int curve) {
  CQlmCTFilter& filters = *this->Controller->CTFilter;
  filters.GetAxialFilter()->SetSlice(axialSlice);
  filters.GetCrossFilter()->SetPosition(crossPosition);
  filters.SetCurrentCurve(curve);
  if (CQlmIndicator* indicator = this->Controller->Indicator) {
    indicator->SetAxialIndex(axialSlice);
    indicator->SetCrossIndex(crossPosition);
    indicator->SetCurrentCurve(curve);
  }
  // Each ruler shows on its own slice, curve or section only.
  CQlmRullers& rullers = *this->Controller->Rullers;
  rullers.SetAxialIndex(filters.GetAxialFilter()->GetCurrentSlice());
  rullers.SetCrossIndex(filters.GetCrossFilter()->GetFirstIndex());
  rullers.SetPanoramicIndex(this->Controller->PanoramicCalc->GetCurrentCurve());
}

// Each 2D view's scroll bar over its indices, enabled by its flag.
void CQlmProjectCreator202106::RestoreScrollBars(int axial, int cross, int panoramic) {
  CQlmQuorvantile& controller = *this->Controller;
  CQlmCTFilter& filters = *controller.CTFilter;
  const CQlmCTAxialFilter& axialFilter = *filters.GetAxialFilter();
  const CQlmCTCrossFilter9& crossFilter = *filters.GetCrossFilter();
  const CQlmPanoramicCalc& calc = *controller.PanoramicCalc;
  SetScrollBar(controller.AxialView, std::max(axialFilter.GetMaxSlice(), 0), axialFilter.GetCurrentSlice(), axial);
  SetScrollBar(controller.CrossView, std::max(crossFilter.GetMaxIndex(), 0), crossFilter.GetFirstIndex(), cross);
  SetScrollBar(controller.PanoramicView, calc.GetCurveCount(), calc.GetCurrentCurve(), panoramic);
}

void CQlmProjectCreator202106::ShowSingleCrossSection() {
  this->Controller->WindowCross->SetSingleCell(1);
  this->Controller->CTFilter->GetCrossFilter()->SetSingleSection(1);
  if (this->Controller->Indicator) this->Controller->Indicator->SetSingleSection(1);
}

void CQlmProjectCreator202106::RestoreSplitters(const float fractions[3]) {
  CMainFrame* frame = this->Controller->MainFrame;
  if (!frame) return;
  CRect client;
  frame->GetClientRect(&client);
  RestorePane(frame->SplitterOuter, client.Width(), fractions[0]);
  RestorePane(frame->SplitterLeft, client.Height(), fractions[1]);
  RestorePane(frame->SplitterRight, client.Height(), fractions[2]);
  frame->SplitterOuter.RecalcLayout();
  frame->SplitterLeft.RecalcLayout();
  frame->SplitterRight.RecalcLayout();
}
