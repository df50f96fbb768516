#include "app/CQlmQuorvantile.h"
#include "app/QlmSetUpAfterLoad.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "objects/CQlmDentes.h"
#include "objects/CQlmEndoImps.h"
#include "objects/CQlmGeoms.h"
#include "objects/CQlmImplant3D.h"
#include "objects/CQlmImplantRings.h"
#include "objects/CQlmImplants.h"
#include "objects/CQlmOrtoImps.h"
#include "project/CQlmProjectCreator202106.h"
#include "tools/CQlmCoreImplant.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"

// The project file carries the flag with the implant defaults; the container turns new implants by it.
int CQlmQuorvantile::GetImplantOrientation() const { return this->ImplantContainer->Flip; }

void CQlmQuorvantile::SetImplantOrientation(int orientation) {
  this->Creator202106->ImplantDefaults.Flip = orientation;
  this->ImplantContainer->Flip = orientation;
}

void CQlmQuorvantile::BindImplants() {
  this->HookContainer(this->ImplantContainer, CQlmPositionListener::Implants, CQlmArchListener::Implants, Implants);
  this->CoreImplant->Owner = this;
}

void CQlmQuorvantile::SetupImplants() {
  QlmSetUpAfterLoad(*this->ImplantContainer, *this);
  this->ImplantContainer->Flip = this->Creator202106->ImplantDefaults.Flip;
}

void CQlmQuorvantile::UnhookContainer(CQlmPositionListener::Stage stage, CQlmArchListener::Kind kind,
                                      LibraryKind library) {
  this->PositionListeners[stage] = nullptr;
  this->ArchListeners[kind] = nullptr;
  this->LabelOptions[library] = nullptr;
}

// The container removes its actors from the views' renderers: it goes before the windows.
void CQlmQuorvantile::ReleaseImplants() {
  this->UnhookContainer(CQlmPositionListener::Implants, CQlmArchListener::Implants, Implants);
  if (this->CoreImplant) this->CoreImplant->Delete();
  this->CoreImplant = nullptr;
  delete this->ImplantContainer;
  this->ImplantContainer = nullptr;
}

void CQlmQuorvantile::SetInsertImplantMode() { this->SetTool(7); }

void CQlmQuorvantile::SetInsertCustomImplantMode() { this->SetTool(74); }

namespace {

// Every selected object of a container, in its four views.
template <class Container>
void DeselectAll(Container& container) {
  for (int i = 0; i < container.GetCount(); ++i)
    if (container.GetList3D()->GetListItemAt(i)->GetSelected()) container.SetSelected(i, 0);
}

}  // namespace

// \todo The other kinds join as their containers land.
void CQlmQuorvantile::DeselectAllObjects() {
  DeselectAll(*this->ImplantContainer);
  DeselectAll(*this->OrtoImpsContainer);
  DeselectAll(*this->EndoImpsContainer);
  DeselectAll(*this->GeomsContainer);
  DeselectAll(*this->DentesContainer);
}

void CQlmQuorvantile::GetNewImplantSize(float size[3]) {
  this->TakeImplantDefaults();
  const CQlmImplantDefaults& defaults = this->Creator202106->ImplantDefaults;
  size[0] = defaults.Diameter;
  size[1] = defaults.Length;
  size[2] = defaults.ConnectorHeight;
}

void CQlmQuorvantile::BindRings() {
  this->RingContainer->SetWindows(this->Window3D, this->WindowAxial, this->WindowCross, this->WindowPanoramic);
  this->PositionListeners[CQlmPositionListener::ImplantRings] = this->RingContainer;
  this->ArchListeners[CQlmArchListener::ImplantRings] = this->RingContainer;
}

void CQlmQuorvantile::SetupRings() {
  CQlmImplantRings& rings = *this->RingContainer;
  CQlmImplants& implants = *this->ImplantContainer;
  const CQlmCTCrossFilter9& cross = *this->CTFilter->GetCrossFilter();
  rings.SetInput(this->CTData->ImageData, this->PanoramicCalc, cross.GetSectionSpacing(), implants.GetList3D(),
                 implants.GetListPanoramic());
  rings.SetAxialIndex(this->CTFilter->GetAxialFilter()->GetCurrentSlice());
  rings.SetCrossIndex(cross.GetFirstIndex());
  rings.SetPanoramicIndex(this->PanoramicCalc->GetCurrentCurve());
  for (int i = rings.GetCount(); i < implants.GetCount(); ++i) {
    if (rings.AddRing(i)) rings.SetVisibility(i, implants.GetList3D()->GetListItemAt(i)->RingVisible);
  }
  rings.SetSingleCrossSection(cross.GetSingleSection());
}

// The rings read the implants' placements and panoramic cuts: they go before the implants.
void CQlmQuorvantile::ReleaseRings() {
  this->PositionListeners[CQlmPositionListener::ImplantRings] = nullptr;
  this->ArchListeners[CQlmArchListener::ImplantRings] = nullptr;
  delete this->RingContainer;
  this->RingContainer = nullptr;
}
