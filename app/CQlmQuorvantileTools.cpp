#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "tools/CQlmCoreNerve.h"
#include "tools/CQlmCorePolyLine.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmInteractorStyle3.h"
#include "views/QlmInteraction.h"

// No editing tool selects anything yet, so Delete has nothing to remove.
void CQlmQuorvantile::OnAxialViewKeyDown(UINT, UINT, UINT) {}

CQlmIndicatorHook& CQlmQuorvantile::Indicators() {
  static CQlmIndicatorHook none;
  return this->IndicatorHook ? *this->IndicatorHook : none;
}

void CQlmQuorvantile::ArchChanged() {
  for (CQlmArchListener* listener : this->ArchListeners)
    if (listener) listener->UpdateCutters();
}

void CQlmQuorvantile::Toggle3DCrossIndicator() {
  int& shown = this->IndicatorSwitches[4];
  shown = !shown;
  this->Indicators().SetVisibility(CQlmIndicatorHook::Cross3D, shown);
  this->Window3D->Render();
  this->Modified = 1;
}

void CQlmQuorvantile::ToggleCurveEdit() {
  this->CurveEditing = !this->CurveEditing;
  if (this->MainFrame) this->MainFrame->ShowControlBar(&this->MainFrame->ReformatToolBar, this->CurveEditing, FALSE);
  CQlmCTPanFilter& panoramic = *this->CTFilter->GetPanFilter();
  if (this->CurveEditing) {
    panoramic.SetThick(0);
    panoramic.SetDirty(1);
    this->SetEditCurveMode();
    return;
  }
  this->SetSelectImplantMode();
  if (this->ThickPanoramic) {
    if (this->PanoramicView) this->PanoramicView->EnableScrollBar(SB_VERT, ESB_DISABLE_BOTH);
    panoramic.SetThick(1);
    panoramic.Update();
  }
}

void CQlmQuorvantile::SetDrawCurveMode() {
  this->Tool = 5;
  this->CorePolyLine->Mode = 2;
  this->Style3D->SetCore(nullptr);
  this->StylePanoramic->SetCore(nullptr);
  this->StyleCross->SetCore(nullptr);
  this->StyleAxial->SetCore(this->CorePolyLine);
  this->StyleAxial->SetMode(QlmState::Select);
}

void CQlmQuorvantile::SetEditCurveMode() {
  this->Tool = 6;
  this->CorePolyLine->Mode = 1;
  this->Style3D->SetCore(nullptr);
  this->StylePanoramic->SetCore(nullptr);
  this->StyleCross->SetCore(nullptr);
  this->StyleAxial->SetCore(this->CorePolyLine);
  this->StyleAxial->SetMode(QlmState::MoveInPlaneXY);
}

void CQlmQuorvantile::SetCurveViewMode(int tool) {
  this->Tool = tool;
  this->CorePolyLine->Mode = 0;
  this->Modified = 1;
}

void CQlmQuorvantile::SetCurveZoomInMode() {
  this->SetCurveViewMode(14);
  this->CorePolyLine->SetZoomInState();
}

void CQlmQuorvantile::SetCurveZoomOutMode() {
  this->SetCurveViewMode(15);
  this->CorePolyLine->SetZoomOutState();
}

void CQlmQuorvantile::SetCurveAreaZoomMode() {
  this->SetCurveViewMode(16);
  this->CorePolyLine->SetAreaZoomState();
}

void CQlmQuorvantile::SetCurveResetZoomMode() {
  this->SetCurveViewMode(17);
  this->CorePolyLine->SetResetZoomState();
}

void CQlmQuorvantile::SetNerveViewMode(int tool) {
  this->Tool = tool;
  this->CoreNerve->Mode = 0;
  this->Modified = 1;
}

void CQlmQuorvantile::SetNerveZoomInMode() {
  this->SetNerveViewMode(19);
  this->CoreNerve->SetZoomInState();
}

void CQlmQuorvantile::SetNerveZoomOutMode() {
  this->SetNerveViewMode(20);
  this->CoreNerve->SetZoomOutState();
}

void CQlmQuorvantile::SetNerveAreaZoomMode() {
  this->SetNerveViewMode(21);
  this->CoreNerve->SetAreaZoomState();
}

void CQlmQuorvantile::SetNerveResetZoomMode() {
  this->SetNerveViewMode(22);
  this->CoreNerve->SetResetZoomState();
}

void CQlmQuorvantile::SetCurvePanMode() {
  this->SetCurveViewMode(18);
  this->StyleAxial->SetMode(QlmState::Pan);
  this->StylePanoramic->SetMode(QlmState::Pan);
  this->Style3D->SetMode(QlmState::Pan);
}

// \todo The composite tool (mode 4 on every style) joins when the object tools land.
void CQlmQuorvantile::SetSelectImplantMode() {
  this->Tool = 10;
  this->DetachCores();
  this->Style3D->SetMode(QlmState::Select);
  this->StyleAxial->SetMode(QlmState::Select);
  this->StylePanoramic->SetMode(QlmState::Select);
  this->StyleCross->SetMode(QlmState::Select);
}
