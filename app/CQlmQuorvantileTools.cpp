#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmToolTable.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmPolyLine.h"
#include "platform/CQlmPrompter.h"
#include "tools/CQlmCoreNerve.h"
#include "tools/CQlmCorePolyLine.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlmInteractorStruct.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmInteractorStyle3.h"
#include "views/QlmInteraction.h"

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

namespace {

template <class Style>
void Attach(Style* style, QlmToolRow::Attach attach, CQlmCore* core) {
  if (attach != QlmToolRow::Kept) style->SetCore(attach == QlmToolRow::On ? core : nullptr);
}

template <class Style>
void SetState(Style* style, int state) {
  if (state != QlmToolRow::Unchanged) style->SetMode(state);
}

}  // namespace

void CQlmQuorvantile::SetTool(int tool) {
  const QlmToolRow* row = QlmToolTable::Find(tool);
  if (!row) return;
  this->Tool = tool;
  CQlmCore* core = this->ToolCores[row->ToolCore];
  if (core && row->CoreMode != QlmToolRow::Unchanged) core->Mode = row->CoreMode;
  if (row->RestsEditingCores) this->RestEditingCores();
  Attach(this->Style3D, row->Styles[QlmToolRow::Style3D], core);
  Attach(this->StyleAxial, row->Styles[QlmToolRow::StyleAxial], core);
  Attach(this->StylePanoramic, row->Styles[QlmToolRow::StylePanoramic], core);
  Attach(this->StyleCross, row->Styles[QlmToolRow::StyleCross], core);
  SetState(this->Style3D, row->States[QlmToolRow::Style3D]);
  SetState(this->StyleAxial, row->States[QlmToolRow::StyleAxial]);
  SetState(this->StylePanoramic, row->States[QlmToolRow::StylePanoramic]);
  SetState(this->StyleCross, row->States[QlmToolRow::StyleCross]);
  if (row->PicksMarks) this->PickOnMarks();
  if (row->Modifies) this->Modified = 1;
}

void CQlmQuorvantile::RestEditingCores() {
  for (QlmToolRow::Core core : {QlmToolRow::RullerCore, QlmToolRow::CurveCore, QlmToolRow::NerveCore})
    if (this->ToolCores[core]) this->ToolCores[core]->Mode = 0;
}

void CQlmQuorvantile::PickOnMarks() {
  for (CQlmInteractorStyle2* style : {this->StyleAxial, this->StylePanoramic}) {
    CQlmInteractorStruct& record = *style->GetRecord();
    record.PickRenderer = record.Renderer1;
  }
  this->StyleCross->SetPickLayer1();
}

void CQlmQuorvantile::SetPanMode() { this->SetTool(1); }

void CQlmQuorvantile::SetAreaZoomMode() { this->SetTool(2); }

void CQlmQuorvantile::SetRotate3DMode() { this->SetTool(3); }

void CQlmQuorvantile::SetZoomInMode() { this->SetTool(11); }

void CQlmQuorvantile::SetZoomOutMode() { this->SetTool(12); }

void CQlmQuorvantile::SetResetZoomMode() { this->SetTool(13); }

void CQlmQuorvantile::SetDrawCurveMode() { this->SetTool(5); }

void CQlmQuorvantile::SetEditCurveMode() { this->SetTool(6); }

void CQlmQuorvantile::ResetCurve() {
  if (CQlmPrompter::Current().Message("Isto irá redefenir a atual curva panorâmica!\nDeseja continuar?", "Atenção",
                                      QlmButtons::YesNo, QlmIcon::Question) != QlmAnswer::Yes)
    return;
  this->PolyLine->Reset();
  this->SelectMiddleCurve();
  this->FollowArchEdit();
}

void CQlmQuorvantile::SetCurveZoomInMode() {
  this->SetTool(14);
  this->CorePolyLine->SetZoomInState();
}

void CQlmQuorvantile::SetCurveZoomOutMode() {
  this->SetTool(15);
  this->CorePolyLine->SetZoomOutState();
}

void CQlmQuorvantile::SetCurveAreaZoomMode() {
  this->SetTool(16);
  this->CorePolyLine->SetAreaZoomState();
}

void CQlmQuorvantile::SetCurveResetZoomMode() {
  this->SetTool(17);
  this->CorePolyLine->SetResetZoomState();
}

void CQlmQuorvantile::SetCurvePanMode() {
  this->SetTool(18);
  this->StyleAxial->SetMode(QlmState::Pan);
  this->StylePanoramic->SetMode(QlmState::Pan);
  this->Style3D->SetMode(QlmState::Pan);
}

void CQlmQuorvantile::SetNerveZoomInMode() {
  this->SetTool(19);
  this->CoreNerve->SetZoomInState();
}

void CQlmQuorvantile::SetNerveZoomOutMode() {
  this->SetTool(20);
  this->CoreNerve->SetZoomOutState();
}

void CQlmQuorvantile::SetNerveAreaZoomMode() {
  this->SetTool(21);
  this->CoreNerve->SetAreaZoomState();
}

void CQlmQuorvantile::SetNerveResetZoomMode() {
  this->SetTool(22);
  this->CoreNerve->SetResetZoomState();
}

void CQlmQuorvantile::SetNervePanMode() {
  this->SetTool(23);
  this->StyleAxial->SetMode(QlmState::Pan);
  this->StylePanoramic->SetMode(QlmState::Pan);
  this->Style3D->SetMode(QlmState::Pan);
}

void CQlmQuorvantile::SetAddNervePointsMode() { this->SetTool(24); }

void CQlmQuorvantile::SetMoveNervePointsMode() { this->SetTool(25); }

void CQlmQuorvantile::SetSelectImplantMode() { this->SetTool(10); }
