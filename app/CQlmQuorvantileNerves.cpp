// The controller and the nerves: their container among the followers of the
// views' positions, of the arch and of the grey window, and their view
// objects after a load.
#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmCTFilter.h"
#include "objects/CQlmNerves.h"
#include "tools/CQlmCoreNerve.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"

std::optional<float> CQlmQuorvantile::CurrentNerveDiameter() const {
  const CQlmNerve* nerve = this->NerveContainer ? this->NerveContainer->GetCurrentNerve() : nullptr;
  if (!nerve) return std::nullopt;
  return nerve->GetDiameter();
}

void CQlmQuorvantile::BindNerves() {
  CQlmNerves& nerves = *this->NerveContainer;
  nerves.Controller = this;
  this->CoreNerve->Owner = this;
  nerves.EditTool = this->CoreNerve;
  nerves.SetWindows(this->Window3D, this->WindowAxial, this->WindowCross, this->WindowPanoramic);
  this->PositionListeners[CQlmPositionListener::Nerves] = &nerves;
  this->ArchListeners[CQlmArchListener::Nerves] = &nerves;
  this->Nerves = &nerves;
}

void CQlmQuorvantile::SetupNerves() {
  CQlmNerves& nerves = *this->NerveContainer;
  const CQlmCTCrossFilter9& cross = *this->CTFilter->GetCrossFilter();
  nerves.SetInput(this->CTData->ImageData, this->PanoramicCalc, cross.GetSectionSpacing());
  nerves.SetAxialIndex(this->CTFilter->GetAxialFilter()->GetCurrentSlice());
  nerves.SetCrossIndex(cross.GetFirstIndex());
  nerves.BuildViewObjects();
  nerves.SetSingleCrossSection(cross.GetSingleSection());
  nerves.SetPanoramicThick(this->ThickPanoramic);
}

// The view objects leave their renderers while the windows exist.
void CQlmQuorvantile::ReleaseNerves() {
  this->PositionListeners[CQlmPositionListener::Nerves] = nullptr;
  this->ArchListeners[CQlmArchListener::Nerves] = nullptr;
  this->Nerves = nullptr;
  delete this->NerveContainer;
  this->NerveContainer = nullptr;
  if (this->CoreNerve) this->CoreNerve->Delete();
  this->CoreNerve = nullptr;
}
