#include "views/CAxialWnd.h"

#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTFilter.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmPositionListener.h"
#include "views/QlmView.h"

namespace {

constexpr int DrawCurveTool = 5;
constexpr int EditCurveTool = 6;

}  // namespace

CAxialWnd::CAxialWnd() : C2DViewWnd(QlmView::Axial, QlmView::Panoramic, QlmView::Cross) {}

CQlmInteractorStyle2* CAxialWnd::GetStyle() const { return this->Quorvantile->StyleAxial; }

bool CAxialWnd::IsRendering() const {
  return this->Quorvantile->WindowAxial && this->Quorvantile->WindowAxial->Enabled;
}

int CAxialWnd::GetCurrentIndex() const {
  const CQlmCTFilter* filters = this->Quorvantile->CTFilter;
  return filters ? filters->GetAxialFilter()->GetCurrentSlice() : -1;
}

int CAxialWnd::GetHighestIndex() const {
  const CQlmCTFilter* filters = this->Quorvantile->CTFilter;
  return filters ? filters->GetAxialFilter()->GetMaxSlice() : -1;
}

void CAxialWnd::FanOut(int index) {
  CQlmCTAxialFilter* filter = this->Quorvantile->CTFilter->GetAxialFilter();
  filter->SetSlice(index);
  for (int stage = CQlmPositionListener::Indicators; stage <= CQlmPositionListener::Rullers; ++stage) {
    if (CQlmPositionListener* follower = this->GetFollower(stage)) follower->SetAxialIndex(index);
  }
  if (CQlmPositionListener* number = this->GetFollower(CQlmPositionListener::AxialNumber)) {
    number->SetNumber(static_cast<float>(index) * filter->GetSpacing()[2] + filter->GetOrigin()[2]);
  }
}

void CAxialWnd::OnLButtonDown(UINT flags, CPoint point) {
  C2DViewWnd::OnLButtonDown(flags, point);
  if (this->IsLive() && this->GetTool() == DrawCurveTool) this->MarkModified();
}

void CAxialWnd::OnRButtonDown(UINT flags, CPoint point) {
  C2DViewWnd::OnRButtonDown(flags, point);
  if (this->IsLive() && this->GetTool() == EditCurveTool) this->MarkModified();
}

void CAxialWnd::PassKeyToController(UINT key, UINT repeat, UINT flags) {
  this->Quorvantile->OnAxialViewKeyDown(key, repeat, flags);
}
