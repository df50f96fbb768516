// The reformat geometry: the reformat dialog and the sagittal/coronal mode,
// and how the views follow a change of either.
#include <vtkImageData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

#include <algorithm>
#include <cmath>

#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLine.h"
#include "project/QlmViewRanges.h"
#include "toolkit/vtkWin32TextMapper2.h"
#include "views/CDialogReformat.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmIndicator.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmViewOverlays.h"
#include "views/CQlmViewOverlays9.h"

void CQlmQuorvantile::ReformatSections() {
  CQlmCTPanFilter& panoramic = *this->CTFilter->GetPanFilter();
  const CQlmCTCrossFilter9& cross = *this->CTFilter->GetCrossFilter();
  CDialogReformat dialog(this->MainFrame);
  dialog.Curves = this->PanoramicCalc->GetCurveCount() + 1;
  dialog.CurveSpacing = this->PanoramicCalc->GetCurveSpacing();
  dialog.SectionWidth = cross.GetSectionWidth();
  dialog.SectionSpacing = cross.GetSectionSpacing();
  dialog.ThickImage = this->ThickPanoramic;
  dialog.Thickness = panoramic.GetThickness();
  dialog.Reconstruction = panoramic.GetThickMode();
  if (dialog.DoModal() != IDOK) return;
  dialog.ClampToRanges();
  this->SetReformatParameters(dialog.SectionWidth, dialog.SectionSpacing, dialog.CurveSpacing, dialog.Curves);
  this->ThickPanoramic = dialog.ThickImage != 0;
  EnableScrollBar(this->PanoramicView, !this->ThickPanoramic);
  // The slab is rebuilt only when its thickness or reconstruction changed.
  panoramic.SetThickness(dialog.Thickness);
  panoramic.SetThickMode(dialog.Reconstruction);
  panoramic.SetThick(this->ThickPanoramic);
  this->RecomputeReformat();
  if (this->ThickPanoramic) this->SelectMiddleCurve();
  this->ShowReformatChange();
  this->RenderReformat();
}

void CQlmQuorvantile::SetReformatParameters(float width, float spacing, float curveSpacing, int numberOfCurves) {
  this->CTFilter->SetParameters(width, spacing, curveSpacing, numberOfCurves);
  this->Indicator->SetSectionGeometry(width, spacing, curveSpacing, numberOfCurves);
}

void CQlmQuorvantile::RecomputeReformat() {
  this->PanoramicCalc->Update();
  CQlmCTFilter& filters = *this->CTFilter;
  filters.GetAxialFilter()->Update();
  filters.GetCrossFilter()->Update();
  filters.GetPanFilter()->Update();
  this->Indicator->SetCrossIndex(filters.GetCrossFilter()->GetFirstIndex());
  this->Indicator->SetCurrentCurve(this->PanoramicCalc->GetCurrentCurve());
  this->Indicator->Update();
  this->PolyLine->SetSectionWidth(static_cast<int>(std::trunc(filters.GetCrossFilter()->GetSectionWidth())));
  this->PolyLine->SetSectionSpacing(static_cast<int>(std::trunc(filters.GetCrossFilter()->GetSectionSpacing())));
}

// The panoramic scroll bar keeps its enabled state: the thick panoramic disables it.
void CQlmQuorvantile::ShowReformatChange() {
  this->SetScrollBars();
  this->ShowOverlayMeasures();
  this->SetCameraImages();
  this->ReformatChanged();
}

void CQlmQuorvantile::ReformatChanged() {
  const CQlmCTCrossFilter9& cross = *this->CTFilter->GetCrossFilter();
  const int axialSlice = this->CTFilter->GetAxialFilter()->GetCurrentSlice();
  for (CQlmArchListener* listener : this->ArchListeners) {
    if (!listener) continue;
    listener->FollowReformat(this->ThickPanoramic, this->WindowCross->GetSingleCell(), cross.GetSectionSpacing(),
                             axialSlice, cross.GetFirstIndex(), this->PanoramicCalc->GetCurrentCurve());
  }
}

void CQlmQuorvantile::ToggleSagittalCoronal() {
  this->SagittalCoronal = !this->SagittalCoronal;
  // Layout, width, spacing and position each change the sections: sample them
  // once, when the reformat is recomputed.
  this->CTFilter->GetCrossFilter()->HoldSampling();
  CQlmDocumentValues::SavedReformat& saved = this->SavedReformat;
  if (this->SagittalCoronal) {
    saved.ThickPanoramic = this->ThickPanoramic;
    if (this->ThickPanoramic) this->ToggleThickPanoramic();
    saved.SingleCrossSection = this->WindowCross->GetSingleCell();
    if (!saved.SingleCrossSection) this->SetSingleCrossSection(1);
    this->ShowSagittalTitles(1);
    this->LayOutSplitters();
    this->EnterSagittalCoronal();
    return;
  }
  if (!saved.SingleCrossSection) this->SetSingleCrossSection(0);
  this->ShowSagittalTitles(0);
  this->LayOutSplitters();
  this->LeaveSagittalCoronal();
  if (saved.ThickPanoramic) this->ToggleThickPanoramic();
}

void CQlmQuorvantile::ShowSagittalTitles(int sagittal) {
  this->OverlaysCross->TitleWindow->SetTitle(sagittal ? "Sagital" : "Trans");
  this->OverlaysPanoramic->TitleWindow->GetTitleMapper()->SetInput(sagittal ? "Coronal" : "Panorâmica");
  this->OverlaysCross->OrientWindow->SetRightText(sagittal ? "F" : "V");
}

// Sections along x one voxel apart across the whole depth, curves one voxel
// row apart: the cross-section window shows sagittal, the panoramic view
// coronal planes.
void CQlmQuorvantile::EnterSagittalCoronal() {
  CQlmDocumentValues::SavedReformat& saved = this->SavedReformat;
  CQlmCTCrossFilter9& cross = *this->CTFilter->GetCrossFilter();
  saved.SectionWidth = cross.GetSectionWidth();
  saved.SectionSpacing = cross.GetSectionSpacing();
  saved.CurveSpacing = this->PanoramicCalc->GetCurveSpacing();
  saved.CurveCount = this->PanoramicCalc->GetCurveCount() + 1;
  vtkPoints* points = this->PolyLine->GetLinePolyData()->GetPoints();
  const int pointCount = points ? static_cast<int>(points->GetNumberOfPoints()) : 0;
  saved.ArchPointCount = std::min(pointCount, CQlmDocumentValues::MaximumArchPoints);
  for (int i = 0; i < saved.ArchPointCount; ++i) {
    double point[3];
    points->GetPoint(i, point);
    std::copy(point, point + 3, saved.ArchPoints[i]);
  }
  saved.FirstSection = cross.GetFirstIndex();
  saved.CurrentCurve = this->PanoramicCalc->GetCurrentCurve();
  saved.AxialSlice = this->CTFilter->GetAxialFilter()->GetCurrentSlice();

  const float* size = this->CTData->GetPhysicalSize();
  const int* dimensions = this->CTData->ImageData->GetDimensions();
  const double* spacing = this->CTData->ImageData->GetSpacing();
  this->PolyLine->SetStraightLine(-size[0] / 2, 0.0f, size[0] / 2, 0.0f);
  this->PanoramicCalc->Update();
  this->SetReformatParameters(size[1], static_cast<float>(spacing[0]), static_cast<float>(spacing[1]), dimensions[1]);
  this->PanoramicCalc->SetCurrentCurve(this->PanoramicCalc->GetMiddleCurve());
  cross.SetPosition(dimensions[0] / 2 - 4);
  this->RecomputeReformat();
  this->ShowReformatChange();
  this->StylePanoramic->ImageHalfWidth = size[0] / 2;
  this->StyleCross->ImageHalfWidth = size[0] / 2;
  this->FitAndRenderReformat();
}

void CQlmQuorvantile::LeaveSagittalCoronal() {
  const CQlmDocumentValues::SavedReformat& saved = this->SavedReformat;
  this->RestoreSavedArch();
  this->PanoramicCalc->Update();
  this->SetReformatParameters(saved.SectionWidth, saved.SectionSpacing, saved.CurveSpacing, saved.CurveCount);
  this->PanoramicCalc->SetCurrentCurve(saved.CurrentCurve);
  this->CTFilter->GetCrossFilter()->SetPosition(saved.FirstSection);
  this->CTFilter->GetAxialFilter()->SetSlice(saved.AxialSlice);
  this->Indicator->SetAxialIndex(this->CTFilter->GetAxialFilter()->GetCurrentSlice());
  this->RecomputeReformat();
  this->ShowReformatChange();
  this->FitAndRenderReformat();
}

// A saved arch of a damaged file (under two points, or points away from the volume) gives way to the default arch.
void CQlmQuorvantile::RestoreSavedArch() {
  const CQlmDocumentValues::SavedReformat& saved = this->SavedReformat;
  const int count = std::clamp(saved.ArchPointCount, 0, CQlmDocumentValues::MaximumArchPoints);
  bool near = count >= 2;
  for (int i = 0; i < count && near; ++i) {
    const double point[3] = {saved.ArchPoints[i][0], saved.ArchPoints[i][1], saved.ArchPoints[i][2]};
    near = QlmViewRanges::IsNearVolume(point, this->CTData->GetPhysicalSize());
  }
  if (near && this->PolyLine->SetPoints(count, &saved.ArchPoints[0][0])) return;
  this->PolyLine->Reset();
}

void CQlmQuorvantile::FitAndRenderReformat() {
  this->StyleAxial->FitToWindow();
  this->StylePanoramic->FitToWindow();
  this->StyleCross->FitToWindow();
  this->RenderReformat();
}

void CQlmQuorvantile::RenderReformat() {
  this->WindowAxial->Render();
  this->WindowPanoramic->Render();
  this->WindowCross->Render();
  this->RenderIndicators3D();
  this->Modified = 1;
}
