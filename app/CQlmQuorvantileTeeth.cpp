// The placed teeth and library meshes: bound to the views, set up after a load, released.
#include "app/CQlmQuorvantile.h"
#include "app/QlmSetUpAfterLoad.h"
#include "objects/CQlmDentes.h"
#include "objects/CQlmGeoms.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"

void CQlmQuorvantile::BindTeeth() {
  struct Slot {
    CQlmGeomContainer* Container;
    CQlmPositionListener::Stage Stage;
    CQlmArchListener::Kind Kind;
    LibraryKind Library;
  };
  const Slot bindings[2] = {{this->GeomsContainer, CQlmPositionListener::Geoms, CQlmArchListener::Geoms, Meshes},
                         {this->DentesContainer, CQlmPositionListener::Dentes, CQlmArchListener::Dentes, Teeth}};
  for (const Slot& slot : bindings) {
    slot.Container->SetWindows(this->Window3D, this->WindowAxial, this->WindowCross, this->WindowPanoramic);
    this->PositionListeners[slot.Stage] = slot.Container;
    this->ArchListeners[slot.Kind] = slot.Container;
    this->LabelOptions[slot.Library] = slot.Container;
  }
}

void CQlmQuorvantile::SetupTeeth() {
  QlmSetUpAfterLoad(*this->GeomsContainer, *this);
  QlmSetUpAfterLoad(*this->DentesContainer, *this);
}

// The containers remove their actors from the views' renderers: they go before the windows.
void CQlmQuorvantile::ReleaseTeeth() {
  this->PositionListeners[CQlmPositionListener::Geoms] = nullptr;
  this->PositionListeners[CQlmPositionListener::Dentes] = nullptr;
  this->ArchListeners[CQlmArchListener::Geoms] = nullptr;
  this->ArchListeners[CQlmArchListener::Dentes] = nullptr;
  this->LabelOptions[Meshes] = nullptr;
  this->LabelOptions[Teeth] = nullptr;
  delete this->GeomsContainer;
  this->GeomsContainer = nullptr;
  delete this->DentesContainer;
  this->DentesContainer = nullptr;
}
