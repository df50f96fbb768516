#include "tools/CQlmCoreNerve.h"

#include <vtkActor.h>
#include <vtkCamera.h>
#include <vtkRenderer.h>

#include "app/CQlmQuorvantile.h"
#include "ct/CQlmPolyLineNerve.h"
#include "objects/CQlmNerve.h"
#include "objects/CQlmNerves.h"
#include "tools/CQlmPolyLinePointEditor.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmIndicator.h"
#include "views/CQlmIndicatorAxial.h"
#include "views/CQlmIndicatorAxialPan.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmInteractorStyle3.h"
#include "views/QlmInteraction.h"

namespace {

constexpr int TopLayer = 0;
// Room around the nerve when the axial view is centred on it (mm).
constexpr double CentringMargin = 40.0;

CQlmNerve* CurrentNerve(const CQlmQuorvantile& q) {
  return q.NerveContainer ? q.NerveContainer->GetCurrentNerve() : nullptr;
}

}  // namespace

void CQlmCoreNerve::ActivateMain(CQlm3DWindow* /*window*/) { this->Mode = MovePoints; }

void CQlmCoreNerve::DeactivateMain(CQlm3DWindow* /*window*/) { this->Mode = 0; }

void CQlmCoreNerve::OnMainViewEvent() {
  if (this->Mode != MovePoints && this->Mode != AddPoints) return;
  CQlmQuorvantile& q = *this->Owner;
  CQlmNerve* nerve = CurrentNerve(q);
  if (!nerve) return;
  const bool axial = this->MainView == q.WindowAxial;
  if (!axial && this->MainView != q.WindowPanoramic) return;
  CQlmInteractorStyle2& style = axial ? *q.StyleAxial : *q.StylePanoramic;
  CQlmPolyLineNerve& line = axial ? nerve->GetAxialLine() : nerve->GetPanoramicLine();
  const int event = style.GetRecord()->Event;
  if (this->Mode == AddPoints)
    this->OnAddPointsEvent(line, style, event, axial);
  else
    this->OnMovePointsEvent(line, style, event, axial);
}

void CQlmCoreNerve::OnAddPointsEvent(CQlmPolyLineNerve& line, CQlmInteractorStyle2& style, int event, bool axial) {
  if (event == QlmEvent::LeftDown) {
    CQlmPolyLinePointEditor::AddPointAtCursor(line, style, style.PressPosition, QlmState::Select);
  } else if (event == QlmEvent::LeftUp) {
    this->FinishEdit(axial);
  }
}

void CQlmCoreNerve::OnMovePointsEvent(CQlmPolyLineNerve& line, CQlmInteractorStyle2& style, int event, bool axial) {
  if (CQlmPolyLinePointEditor::MoveModeEvent(line, style, event)) this->FinishEdit(axial);
}

void CQlmCoreNerve::FinishEdit(bool axial) {
  CQlmQuorvantile& q = *this->Owner;
  if (axial) {
    this->SetNerveWindowWidth(CurrentNerve(q)->GetAxialLine().GetLength());
    q.Indicator->Axial->AxialPan->Rebuild();
  }
  // The views paint their wrapper's last picture: repainting is rendering.
  q.WindowCross->Render();
  q.WindowPanoramic->Render();
  q.Window3D->Render();
  q.WindowAxial->Render();
}

void CQlmCoreNerve::SetNerveWindowWidth(float length) { this->Owner->StylePanoramic->ImageHalfWidth = length / 2; }

void CQlmCoreNerve::ResetCurrentNerve() {
  CQlmQuorvantile& q = *this->Owner;
  CQlmNerve* nerve = CurrentNerve(q);
  if (!nerve) return;
  nerve->GetAxialLine().Reset();
  nerve->GetPanoramicLine().Reset();
  this->SetNerveWindowWidth(nerve->GetPanoramicLine().GetLength());
  q.StylePanoramic->FitToWindow();
  this->CenterAxialViewOnNerve();
  q.WindowAxial->Render();
  q.WindowCross->Render();
  q.WindowPanoramic->Render();
  q.Window3D->Render();
}

void CQlmCoreNerve::CenterAxialViewOnNerve() {
  CQlmQuorvantile& q = *this->Owner;
  CQlmNerve* nerve = CurrentNerve(q);
  if (!nerve) return;
  vtkActor* line = nerve->GetAxialLine().GetLineActor();
  double bounds[6];
  line->GetBounds(bounds);
  const double* centre = line->GetCenter();
  vtkCamera* camera = q.WindowAxial->GetLayerRenderer(TopLayer)->GetActiveCamera();
  double position[3];
  double focalPoint[3];
  camera->GetPosition(position);
  camera->GetFocalPoint(focalPoint);
  camera->SetPosition(centre[0], centre[1], position[2]);
  camera->SetFocalPoint(centre[0], centre[1], focalPoint[2]);
  camera->SetParallelScale((bounds[3] - bounds[2] + CentringMargin) / 2);
}

void CQlmCoreNerve::SetZoomInState() { this->SetViewStates(QlmState::ZoomIn, QlmState::ZoomIn); }
void CQlmCoreNerve::SetZoomOutState() { this->SetViewStates(QlmState::ZoomOut, QlmState::ZoomOut); }
void CQlmCoreNerve::SetAreaZoomState() { this->SetViewStates(QlmState::AreaZoom, QlmState::None); }
void CQlmCoreNerve::SetResetZoomState() { this->SetViewStates(QlmState::ZoomReset, QlmState::ZoomReset); }

void CQlmCoreNerve::SetViewStates(int mainState, int crossState) {
  CQlmQuorvantile& q = *this->Owner;
  q.StyleAxial->SetMode(mainState);
  q.StylePanoramic->SetMode(mainState);
  q.Style3D->SetMode(mainState);
  q.StyleCross->SetMode(crossState);
}
