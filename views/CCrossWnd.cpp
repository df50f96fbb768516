#include "views/CCrossWnd.h"

#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmPositionListener.h"
#include "views/QlmView.h"

CCrossWnd::CCrossWnd() : C2DViewWnd(QlmView::Cross, QlmView::Axial, QlmView::Panoramic) {}

CQlmInteractorStyle29* CCrossWnd::GetStyle() const { return this->Quorvantile->StyleCross; }

bool CCrossWnd::IsRendering() const {
  return this->Quorvantile->WindowCross && this->Quorvantile->WindowCross->Enabled;
}

int CCrossWnd::GetCurrentIndex() const {
  const CQlmCTFilter* filters = this->Quorvantile->CTFilter;
  return filters ? filters->GetCrossFilter()->GetFirstIndex() : -1;
}

int CCrossWnd::GetHighestIndex() const {
  const CQlmCTFilter* filters = this->Quorvantile->CTFilter;
  return filters && filters->GetCalc() ? filters->GetCrossFilter()->GetMaxIndex() : -1;
}

void CCrossWnd::FanOut(int index) {
  this->Quorvantile->CTFilter->GetCrossFilter()->SetPosition(index);
  for (int stage = CQlmPositionListener::Indicators; stage <= CQlmPositionListener::Rullers; ++stage) {
    if (CQlmPositionListener* follower = this->GetFollower(stage)) follower->SetCrossIndex(index);
  }
  this->ShowSectionNumbers();
}

void CCrossWnd::BeforeScrollRenders() { this->ShowSectionNumbers(); }

void CCrossWnd::ShowSectionNumbers() {
  CQlmCTFilter* filters = this->Quorvantile->CTFilter;
  CQlmPositionListener* numbers = this->GetFollower(CQlmPositionListener::CrossNumbers);
  if (filters && numbers) numbers->SetNumbers(filters->GetCrossFilter()->GetSectionPositions());
}

void CCrossWnd::PassKeyToController(UINT key, UINT repeat, UINT flags) {
  this->Quorvantile->OnCrossViewKeyDown(key, repeat, flags);
}
