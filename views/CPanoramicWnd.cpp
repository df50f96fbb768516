#include "views/CPanoramicWnd.h"

#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlmIndicator.h"
#include "views/CQlmIndicatorCross.h"
#include "views/CQlmIndicatorCrossPan.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmPositionListener.h"
#include "views/QlmInteraction.h"
#include "views/QlmView.h"

namespace {

constexpr int DrawCurveTool = 5;
constexpr int EditCurveTool = 6;

}  // namespace

CPanoramicWnd::CPanoramicWnd() : C2DViewWnd(QlmView::Panoramic, QlmView::Axial, QlmView::Cross) {}

CQlmInteractorStyle2* CPanoramicWnd::GetStyle() const { return this->Quorvantile->StylePanoramic; }

bool CPanoramicWnd::IsRendering() const {
  return this->Quorvantile->WindowPanoramic && this->Quorvantile->WindowPanoramic->Enabled;
}

int CPanoramicWnd::GetCurrentIndex() const {
  const CQlmPanoramicCalc* calc = this->GetCalc();
  return calc ? calc->GetCurrentCurve() : -1;
}

int CPanoramicWnd::GetHighestIndex() const {
  const CQlmPanoramicCalc* calc = this->GetCalc();
  return calc ? calc->GetCurveCount() : -1;
}

const CQlmPanoramicCalc* CPanoramicWnd::GetCalc() const {
  const CQlmCTFilter* filters = this->Quorvantile->CTFilter;
  return filters ? filters->GetCalc() : nullptr;
}

void CPanoramicWnd::FanOut(int index) {
  CQlmCTFilter* filters = this->Quorvantile->CTFilter;
  filters->SetCurrentCurve(index);
  for (int stage : {CQlmPositionListener::Indicators, CQlmPositionListener::Rullers}) {
    if (CQlmPositionListener* follower = this->GetFollower(stage)) follower->SetPanoramicIndex(index);
  }
  if (CQlmPositionListener* number = this->GetFollower(CQlmPositionListener::PanoramicNumber)) {
    number->SetNumber(filters->GetPanFilter()->GetCurveOffset());
  }
}

bool CPanoramicWnd::MayNavigate() const {
  const int tool = this->GetTool();
  return this->MaySetSlice() && tool != DrawCurveTool && tool != EditCurveTool;
}

bool CPanoramicWnd::MaySetSlice() const { return !this->Quorvantile->ThickPanoramic; }

bool CPanoramicWnd::ZoomsOnClick() const {
  return QlmState::InRange(this->GetStyle()->GetMode(), QlmState::ZoomIn, QlmState::ZoomReset);
}

void CPanoramicWnd::OnLButtonDown(UINT flags, CPoint point) {
  if (!this->IsLive() || !this->ZoomsOnClick()) {
    C2DViewWnd::OnLButtonDown(flags, point);
    return;
  }
  this->SetFocus();
  this->UpdateCursor();
  this->ZoomOnClick();
}

void CPanoramicWnd::ZoomOnClick() {
  CQlmInteractorStyle2* style = this->GetStyle();
  switch (style->GetMode()) {
    case QlmState::ZoomIn:
      style->ZoomIn();
      break;
    case QlmState::ZoomOut:
      style->ZoomOut();
      break;
    default:
      style->FitToWindow();
      break;
  }
  this->RebuildSectionMarks();
  this->RenderView(QlmView::Panoramic);
}

void CPanoramicWnd::OnLButtonUp(UINT flags, CPoint point) {
  if (this->IsLive() && this->GetStyle()->GetMode() == QlmState::Pan) this->RebuildSectionMarks();
  C2DViewWnd::OnLButtonUp(flags, point);
}

void CPanoramicWnd::RebuildSectionMarks() {
  if (CQlmIndicator* indicator = this->Quorvantile->Indicator) indicator->Cross->CrossPan->Rebuild();
}

void CPanoramicWnd::PassKeyToController(UINT key, UINT repeat, UINT flags) {
  this->Quorvantile->OnPanoramicViewKeyDown(key, repeat, flags);
}
