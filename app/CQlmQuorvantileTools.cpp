#include "app/CQlmQuorvantile.h"
#include "views/CQlm3DWindow.h"

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
