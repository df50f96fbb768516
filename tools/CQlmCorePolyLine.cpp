#include "tools/CQlmCorePolyLine.h"

#include <algorithm>

#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmConfig.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLine.h"
#include "tools/CQlmPolyLinePointEditor.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle3.h"
#include "views/QlmInteraction.h"

namespace {

using Mark = CQlmIndicatorHook::Mark;

constexpr int MovePoints = 1;
constexpr int AddPoints = 2;

void EnableScrollBar(CWnd* view, bool enabled) {
  if (view) view->EnableScrollBar(SB_VERT, enabled ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
}


// The values of "Indicators Advanced: " that leaving the editing applies, 0-based.
constexpr int CrossInAxialValue = 3;
constexpr int PanoramicInAxialValue = 4;
constexpr int CrossInPanoramicValue = 8;

}  // namespace

int CQlmCorePolyLine::ScrollMaximum(int maxIndex) { return std::max(0, maxIndex); }

int CQlmCorePolyLine::ScrollPosition(int maxIndex, int firstIndex) {
  const int maximum = ScrollMaximum(maxIndex);
  return maximum - std::clamp(firstIndex, 0, maximum);
}

void CQlmCorePolyLine::ActivateMain(CQlm3DWindow* /*window*/) {
  CQlmQuorvantile& q = *this->Owner;
  CQlmIndicatorHook& indicators = q.Indicators();
  q.WindowCross->Enabled = 0;
  EnableScrollBar(q.CrossView, false);
  q.WindowPanoramic->Enabled = 1;
  EnableScrollBar(q.PanoramicView, false);

  indicators.SetVisibility(Mark::CrossPan, 0);
  indicators.SetVisibility(Mark::AxialPan, 1);

  const int arch = q.PanoramicCalc->GetMiddleCurve();
  q.CTFilter->SetCurrentCurve(arch);
  indicators.SetCurrentCurve(arch);
  if (CQlmPositionListener* number = q.PositionListeners[CQlmPositionListener::PanoramicNumber])
    number->SetNumber(q.CTFilter->GetPanFilter()->GetCurveOffset());
  if (q.PanoramicView)
    q.PanoramicView->SetScrollPos(SB_VERT, q.PanoramicCalc->GetCurveCount() - q.PanoramicCalc->GetCurrentCurve());

  q.Window3D->Enabled = 1;
  indicators.SetVisibility(Mark::Cross3D, 0);

  q.WindowAxial->Enabled = 1;
  EnableScrollBar(q.AxialView, true);
  indicators.SetVisibility(Mark::CrossAxial, 0);
  indicators.SetVisibility(Mark::PanAxial, 0);
  q.PolyLine->SetVisibility(1);

  CQlmInteractorStruct& record = *q.StyleAxial->GetRecord();
  record.PickRenderer = record.Renderer1;

  // The views paint their wrapper's last picture: repainting is rendering (grey while disabled).
  q.WindowCross->Render();
  q.WindowPanoramic->Render();
  q.WindowAxial->Render();
  this->Render3DIfIndicated();
}

void CQlmCorePolyLine::DeactivateMain(CQlm3DWindow* /*window*/) {
  CQlmQuorvantile& q = *this->Owner;
  q.WindowCross->Enabled = 1;
  EnableScrollBar(q.CrossView, true);
  EnableScrollBar(q.PanoramicView, true);
  q.PolyLine->SetVisibility(0);

  int values[18] = {0, 0, 5, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 0, 0, 0, 0};
  ReadConfigIndicatorsAdvanced(values);
  CQlmIndicatorHook& indicators = q.Indicators();
  indicators.SetVisibility(Mark::CrossAxial, values[CrossInAxialValue]);
  indicators.SetVisibility(Mark::PanAxial, values[PanoramicInAxialValue]);
  indicators.SetVisibility(Mark::CrossPan, values[CrossInPanoramicValue]);

  // The toggle inverts the flag again: the planes come back as they were.
  q.IndicatorSwitches[4] = !q.IndicatorSwitches[4];
  q.Toggle3DCrossIndicator();

  // The views paint their wrapper's last picture: repainting is rendering (grey while disabled).
  q.WindowCross->Render();
  q.WindowPanoramic->Render();
  q.WindowAxial->Render();
  this->Render3DIfIndicated();

  q.ArchChanged();

  q.CurveEditing = 0;
  if (q.MainFrame) q.MainFrame->ShowControlBar(&q.MainFrame->ReformatToolBar, FALSE, FALSE);
}

void CQlmCorePolyLine::OnMainViewEvent() {
  CQlmInteractorStyle2& style = *this->Owner->StyleAxial;
  const int event = style.GetRecord()->Event;
  if (this->Mode == AddPoints) this->OnAddPointsEvent(style, event);
  if (this->Mode == MovePoints) this->OnMovePointsEvent(style, event);
}

void CQlmCorePolyLine::OnAddPointsEvent(CQlmInteractorStyle2& style, int event) {
  if (event == QlmEvent::LeftDown) {
    CQlmPolyLinePointEditor::AddPointAtCursor(*this->Owner->PolyLine, style, style.PressPosition, QlmState::Select);
  } else if (event == QlmEvent::LeftUp) {
    this->Recompute();
  }
}

void CQlmCorePolyLine::OnMovePointsEvent(CQlmInteractorStyle2& style, int event) {
  if (CQlmPolyLinePointEditor::MoveModeEvent(*this->Owner->PolyLine, style, event)) this->Recompute();
}

void CQlmCorePolyLine::Recompute() {
  CQlmQuorvantile& q = *this->Owner;
  q.PanoramicCalc->Update();
  q.CTFilter->GetPanFilter()->Update();
  CQlmCTCrossFilter9& cross = *q.CTFilter->GetCrossFilter();
  cross.Update();
  q.Indicators().Update();

  if (q.CrossView) {
    q.CrossView->SetScrollRange(SB_VERT, 0, ScrollMaximum(cross.GetMaxIndex()), FALSE);
    q.CrossView->SetScrollPos(SB_VERT, ScrollPosition(cross.GetMaxIndex(), cross.GetFirstIndex()), TRUE);
  }

  q.StylePanoramic->ImageHalfWidth = q.PanoramicCalc->GetArchLength() / 2;
  q.StylePanoramic->FitToWindow();

  q.WindowPanoramic->Render();
  if (q.IndicatorSwitches[3] || q.IndicatorSwitches[5]) q.Window3D->Render();
}

void CQlmCorePolyLine::SetZoomInState() { this->SetMainViewStates(QlmState::ZoomIn); }
void CQlmCorePolyLine::SetZoomOutState() { this->SetMainViewStates(QlmState::ZoomOut); }
void CQlmCorePolyLine::SetAreaZoomState() { this->SetMainViewStates(QlmState::AreaZoom); }
void CQlmCorePolyLine::SetResetZoomState() { this->SetMainViewStates(QlmState::ZoomReset); }

void CQlmCorePolyLine::SetMainViewStates(int state) {
  CQlmQuorvantile& q = *this->Owner;
  q.StyleAxial->SetMode(state);
  q.StylePanoramic->SetMode(state);
  q.Style3D->SetMode(state);
}

void CQlmCorePolyLine::Render3DIfIndicated() {
  const CQlmQuorvantile& q = *this->Owner;
  if (q.IndicatorSwitches[3] || q.IndicatorSwitches[4] || q.IndicatorSwitches[5]) q.Window3D->Render();
}
