#include <algorithm>

#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmConfig.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmCTViewer2.h"
#include "ct/CQlmCTViewer92.h"
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLine.h"
#include "platform/gui/CStatusBar.h"
#include "project/CQlmProjectCreator202106.h"
#include "project/CQlmProjectData.h"
#include "tools/CQlmCoreImplant.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CDialogContrast.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmIndicator.h"
#include "views/CQlmIndicatorCross.h"
#include "views/CQlmIndicatorCrossAxial.h"
#include "views/CQlmIndicatorCrossPan.h"
#include "views/CQlmInteractorRecord.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmViewOverlays.h"
#include "views/CQlmViewOverlays9.h"

namespace {

constexpr float DisplayMinimum = 0.0f;
constexpr float DisplayMaximum = 4095.0f;
// Smallest half extent (mm) the 2D views zoom in to.
constexpr float MinimumHalfExtent = 0.5f;

// Range 0 .. maximum with the position running opposite to the index.
void SetScrollBar(CWnd* view, int maximum, int index) {
  if (!view) return;
  view->SetScrollRange(SB_VERT, 0, maximum);
  view->SetScrollPos(SB_VERT, maximum - index);
}

// The 2D camera's image: its half extents (mm) and, as the centre of the fit
// and of the pan limits, its centre: near (0, 0), as the images lie centred in
// their views' frames (the axial slice symmetric about y = 0, so its mirrored
// picture has the same centre).
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

}  // namespace

void CQlmQuorvantile::SetupViewsAfterLoad() {
  this->ProjectOpen = 1;
  this->CTFilter->SetInput(this->PanoramicCalc, this->CTData->ImageData);
  this->ShowVolume();
  this->CTFilter->GetPanFilter()->SetFlipY(1);
  this->CTFilter->GetCrossFilter()->SetFlipY(1);
  this->SetScrollBars();
  this->FitCameras();
  this->SetupIndicator();
  this->HideIndicators3D();
  if (this->MainFrame) this->MainFrame->SizeSplitters();
  this->RestoreViewsOfFile();
  // The object containers take the section spacing and positions the file's view state left.
  this->SetupImplants();
  this->SetupRings();
  this->SetupTeeth();
  this->SetupMultiPart();
  this->SetupNerves();
  // The arch read from the file joins the axial view, still hidden.
  this->PolyLine->SetWindow(this->WindowAxial);
  this->PolyLine->AddToRenderer();
  this->AttachMeasures();
  // The file's reformat may have reshaped the images; its cameras stay.
  this->SetCameraImages();
  if (this->MainFrame) {
    this->MainFrame->SplitterOuter.EnableWindow(TRUE);
    this->MainFrame->SplitterLeft.EnableWindow(TRUE);
    this->MainFrame->SplitterRight.EnableWindow(TRUE);
  }
  this->ApplyGreyWindowOfFile();
  this->ShowViewStatus();
  this->ApplyIndicatorSettings();
  this->ApplyWindowSettings();
  this->ApplyLabelSettings();
  this->ApplyInterpolationSetting();
  if (this->ThickPanoramic) this->ShowThickPanoramic();
  // After the file's view state and the thick panoramic chose the positions.
  this->SetupGeometries();
  this->ShowOverlayMeasures();
  if (this->SagittalCoronal) this->ShowSagittalTitles(1);
  this->RenderViews();
  if (this->NotesFlag) this->ShowExamNotes();
}

void CQlmQuorvantile::SetupIndicator() {
  CQlmIndicator& indicator = *this->Indicator;
  indicator.Initialize(this->PanoramicCalc, this->CTData->ImageData);
  indicator.SetVisibility2D(1);
  indicator.SetAxialIndex(this->CTFilter->GetAxialFilter()->GetCurrentSlice());
  indicator.SetCrossIndex(this->CTFilter->GetCrossFilter()->GetFirstIndex());
  indicator.SetCurrentCurve(this->PanoramicCalc->GetCurrentCurve());
}

// The project file's switches of the 3D indicators are carried, not shown.
void CQlmQuorvantile::HideIndicators3D() {
  std::fill(this->IndicatorSwitches + 3, this->IndicatorSwitches + 6, 0);
  this->Indicator->SetVisibility3D(0);
}

// The view state kept by the reader of the loaded format.
void CQlmQuorvantile::RestoreViewsOfFile() {
  if (this->LoadedVersion == CQlmProjectData::Format800900 || this->LoadedVersion == CQlmProjectData::Format800901) {
    this->Creator202106->RestoreViews();
  }
}

// The grey window the project was saved with, on the three CT viewers.
void CQlmQuorvantile::ApplyGreyWindowOfFile() {
  if (this->LoadedVersion != CQlmProjectData::Format800900 && this->LoadedVersion != CQlmProjectData::Format800901)
    return;
  const CQlmViewState& state = this->Creator202106->ViewState;
  this->ViewerAxial->SetMinimum(state.DisplayMinimum);
  this->ViewerAxial->SetMaximum(state.DisplayMaximum);
  this->ViewerPanoramic->SetMinimum(state.DisplayMinimum);
  this->ViewerPanoramic->SetMaximum(state.DisplayMaximum);
  this->ViewerCross->SetMinimum(state.DisplayMinimum);
  this->ViewerCross->SetMaximum(state.DisplayMaximum);
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

// Pane 2 the axial display range, pane 1 the selected implant's measures.
void CQlmQuorvantile::ShowViewStatus() {
  if (!this->MainFrame) return;
  vtkImage16bitsMonocromeTo8BitsRGBFilter& grey = *this->ViewerAxial->GetWindowLevelFilter();
  const double level = grey.GetColorLevel();
  const double window = grey.GetColorWindow();
  CString range;
  range.Format("min: %.f  max: %.f", level - window / 2, level + window / 2);
  this->MainFrame->StatusBar.SetPaneText(2, range);
  this->CoreImplant->UpdateStatusBar();
}

// "Windows Advanced: " as the settings file holds it, all values 1 by default.
void CQlmQuorvantile::ApplyWindowSettings() {
  int values[21];
  std::fill(std::begin(values), std::end(values), 1);
  ReadConfigWindowsAdvanced(values);
  this->ApplyWindowValues(values);
}

// Values 1 to 4 switch the axial, cross-section, panoramic and 3D views (and
// the first three's scroll bars); 5 to 21 show the overlays: title,
// orientation, number, scale bar and border of the axial, cross-section and
// panoramic views, then the 3D view's title and border.
void CQlmQuorvantile::ApplyWindowValues(const int (&values)[21]) {
  this->OverlaysAxial->SetVisibilities(values + 4);
  this->OverlaysCross->SetVisibilities(values + 9);
  this->OverlaysPanoramic->SetVisibilities(values + 14);
  const int view3D[CQlmViewOverlays::ItemCount] = {values[19], 0, 0, 0, values[20]};
  this->Overlays3D->SetVisibilities(view3D);
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
  this->SelectMiddleCurve();
  CQlmCTPanFilter& panoramic = *this->CTFilter->GetPanFilter();
  panoramic.SetThick(1);
  panoramic.Update();
  this->ReformatChanged();
}

void CQlmQuorvantile::RenderViews() {
  this->WindowAxial->Render();
  this->WindowCross->Render();
  this->WindowPanoramic->Render();
  this->Window3D->Renderer3->ResetCameraClippingRange();
  this->Window3D->Render();
}

void CQlmQuorvantile::EnableScrollBar(CWnd* view, int enabled) {
  if (view) view->EnableScrollBar(SB_VERT, enabled ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
}

void CQlmQuorvantile::ShowContrast() {
  CDialogContrast dialog(this->MainFrame);
  dialog.Quorvantile = this;
  dialog.DoModal();
  this->Modified = 1;
}
