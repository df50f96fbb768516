// The view commands: views on and off, their layout and options, the 3D
// cameras and background, interpolation, thick panoramic and section layout.
#include <algorithm>
#include <cmath>

#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmConfig.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmCTViewer2.h"
#include "ct/CQlmCTViewer92.h"
#include "ct/CQlmPanoramicCalc.h"
#include "platform/CQlmPrompter.h"
#include "toolkit/vtkWin32ImageMapper2.h"
#include "views/C3DWnd.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CDialogWndAdv.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmIndicator.h"
#include "views/CQlmInteractorStyle3.h"

namespace {

// The dialog's checks in the order of "Windows Advanced: ".
constexpr int CDialogWndAdv::*WindowValueFields[21] = {&CDialogWndAdv::ActiveAxial,
                                                       &CDialogWndAdv::ActiveCross,
                                                       &CDialogWndAdv::ActivePanoramic,
                                                       &CDialogWndAdv::Active3D,
                                                       &CDialogWndAdv::AxialTitle,
                                                       &CDialogWndAdv::AxialOrientation,
                                                       &CDialogWndAdv::AxialCoordinates,
                                                       &CDialogWndAdv::AxialRulers,
                                                       &CDialogWndAdv::AxialBorders,
                                                       &CDialogWndAdv::CrossTitle,
                                                       &CDialogWndAdv::CrossOrientation,
                                                       &CDialogWndAdv::CrossCoordinates,
                                                       &CDialogWndAdv::CrossRulers,
                                                       &CDialogWndAdv::CrossBorders,
                                                       &CDialogWndAdv::PanoramicTitle,
                                                       &CDialogWndAdv::PanoramicOrientation,
                                                       &CDialogWndAdv::PanoramicCoordinates,
                                                       &CDialogWndAdv::PanoramicRulers,
                                                       &CDialogWndAdv::PanoramicBorders,
                                                       &CDialogWndAdv::Title3D,
                                                       &CDialogWndAdv::Borders3D};

// "Windows Advanced: " as stored, every value 1 when the line is missing.
void ReadWindowValues(int (&values)[21]) {
  std::fill(std::begin(values), std::end(values), 1);
  ReadConfigWindowsAdvanced(values);
}

}  // namespace

void CQlmQuorvantile::ToggleAxialView() { this->ToggleView(1); }
void CQlmQuorvantile::ToggleCrossView() { this->ToggleView(2); }
void CQlmQuorvantile::TogglePanoramicView() { this->ToggleView(3); }
void CQlmQuorvantile::Toggle3DView() { this->ToggleView(4); }

void CQlmQuorvantile::ToggleView(int value) {
  int* const enabled[4] = {&this->WindowAxial->Enabled, &this->WindowCross->Enabled, &this->WindowPanoramic->Enabled,
                           &this->Window3D->Enabled};
  CWnd* const views[4] = {this->AxialView, this->CrossView, this->PanoramicView, this->View3D};
  const int index = value - 1;
  int& flag = *enabled[index];
  if (index < 3) EnableScrollBar(views[index], !flag);
  // The arch is edited in the axial view: without it no tool is left.
  if (index == 0 && flag && this->CurveEditing) this->Tool = 0;
  flag = !flag;
  if (index == 3 && !flag && this->Tool == 3) this->SetSelectImplantMode();
  if (views[index]) views[index]->Invalidate();
  this->Modified = 1;
  int values[21];
  ReadWindowValues(values);
  values[index] = flag;
  WriteConfigWindowsAdvanced(values);
}

void CQlmQuorvantile::RestoreViewLayout() {
  this->LayOutSplitters();
  if (!this->WindowAxial->Enabled) this->ToggleAxialView();
  if (!this->WindowCross->Enabled && !this->CurveEditing) this->ToggleCrossView();
  if (!this->WindowPanoramic->Enabled) this->TogglePanoramicView();
  if (!this->Window3D->Enabled) this->Toggle3DView();
  this->Modified = 1;
}

void CQlmQuorvantile::LayOutSplitters() {
  if (this->MainFrame) this->MainFrame->SizeSplitters(this->SagittalCoronal != 0);
}

void CQlmQuorvantile::ShowWindowOptions() {
  CDialogWndAdv dialog(this->MainFrame);
  int values[21];
  if (ReadConfigWindowsAdvanced(values)) {
    for (int k = 0; k < 21; ++k) dialog.*WindowValueFields[k] = values[k];
  } else {
    dialog.SetDefaults();
  }
  const float* background = this->Window3D->GetBackground();
  for (int k = 0; k < 3; ++k) dialog.Color3D[k] = background[k] * 255.0f;
  if (dialog.DoModal() != IDOK) return;
  for (int k = 0; k < 21; ++k) values[k] = dialog.*WindowValueFields[k];
  this->ApplyWindowValues(values);
  this->Window3D->SetBackground(dialog.Color3D[0] / 255.0f, dialog.Color3D[1] / 255.0f, dialog.Color3D[2] / 255.0f);
  this->RenderViews();
  WriteConfigWindowsAdvanced(values);
}

void CQlmQuorvantile::SetView3D(void (CQlm3DInteractor::*view)(), int modifies) {
  (this->Style3D->*view)();
  this->Window3D->Render();
  if (modifies) this->Modified = 1;
}

void CQlmQuorvantile::SetView3DTop() { this->SetView3D(&CQlm3DInteractor::ViewTop, 0); }
void CQlmQuorvantile::SetView3DBottom() { this->SetView3D(&CQlm3DInteractor::ViewBottom, 1); }
void CQlmQuorvantile::SetView3DFront() { this->SetView3D(&CQlm3DInteractor::ViewFront, 1); }
void CQlmQuorvantile::SetView3DBack() { this->SetView3D(&CQlm3DInteractor::ViewBack, 1); }
void CQlmQuorvantile::SetView3DLeft() { this->SetView3D(&CQlm3DInteractor::ViewLeft, 1); }
void CQlmQuorvantile::SetView3DRight() { this->SetView3D(&CQlm3DInteractor::ViewRight, 1); }
void CQlmQuorvantile::SetView3DIsoMand() { this->SetView3D(&CQlm3DInteractor::ViewIsoMand, 1); }
void CQlmQuorvantile::SetView3DIsoMax() { this->SetView3D(&CQlm3DInteractor::ViewIsoMax, 1); }

void CQlmQuorvantile::Set3DBackground() {
  const float* background = this->Window3D->GetBackground();
  const QlmRgb initial = {static_cast<int>(background[0] * 255.0f), static_cast<int>(background[1] * 255.0f),
                          static_cast<int>(background[2] * 255.0f)};
  const std::optional<QlmRgb> chosen = CQlmPrompter::Current().ChooseColor(initial);
  if (!chosen) return;
  this->Window3D->SetBackground((*chosen)[0] / 255.0f, (*chosen)[1] / 255.0f, (*chosen)[2] / 255.0f);
  this->Window3D->Render();
  this->Modified = 1;
}

void CQlmQuorvantile::Toggle2DInterpolation() {
  const int interpolation = !this->ViewerAxial->GetMapper()->GetInterpolation();
  this->ViewerAxial->GetMapper()->SetInterpolation(interpolation);
  this->ViewerPanoramic->GetMapper()->SetInterpolation(interpolation);
  this->ViewerCross->SetInterpolation(interpolation);
  WriteConfig2DInterpolation(interpolation);
  this->WindowAxial->Render();
  this->WindowPanoramic->Render();
  this->WindowCross->Render();
}

void CQlmQuorvantile::SelectMiddleCurve() {
  const int middle = this->PanoramicCalc->GetMiddleCurve();
  this->CTFilter->SetCurrentCurve(middle);
  this->Indicator->SetCurrentCurve(middle);
  this->ShowOverlayMeasures();
}

void CQlmQuorvantile::ToggleThickPanoramic() {
  this->ThickPanoramic = !this->ThickPanoramic;
  if (this->ThickPanoramic) {
    EnableScrollBar(this->PanoramicView, 0);
    this->SelectMiddleCurve();
  } else {
    EnableScrollBar(this->PanoramicView, 1);
    this->SetScrollBars();
  }
  CQlmCTFilter& filters = *this->CTFilter;
  filters.GetPanFilter()->SetThick(this->ThickPanoramic);
  filters.GetCrossFilter()->Invalidate();
  filters.GetAxialFilter()->Update();
  filters.GetCrossFilter()->Update();
  filters.GetPanFilter()->Update();
  this->ReformatChanged();
  this->WindowPanoramic->Render();
  this->WindowCross->Render();
  this->WindowAxial->Render();
  this->RenderIndicators3D();
  this->Modified = 1;
}

void CQlmQuorvantile::ToggleSingleCrossSection() {
  this->SetSingleCrossSection(!this->WindowCross->GetSingleCell());
  this->ReformatChanged();
  this->WindowCross->Render();
  this->WindowPanoramic->Render();
  this->WindowAxial->Render();
  this->Modified = 1;
}

void CQlmQuorvantile::SetSingleCrossSection(int single) {
  this->WindowCross->SetSingleCell(single);
  this->CTFilter->GetCrossFilter()->SetSingleSection(single);
  if (this->Indicator) this->Indicator->SetSingleSection(single);
}

void CQlmQuorvantile::RenderIndicators3D() {
  if (this->IndicatorSwitches[3] || this->IndicatorSwitches[4] || this->IndicatorSwitches[5]) this->Window3D->Render();
}
