// The placed teeth and library meshes: bound to the views, set up after a load, released.
#include "app/CQlmQuorvantile.h"
#include "app/QlmSetUpAfterLoad.h"
#include "objects/CQlmDentes.h"
#include "objects/CQlmGeoms.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"

void CQlmQuorvantile::BindTeeth() {
  this->HookContainer(this->GeomsContainer, CQlmPositionListener::Geoms, CQlmArchListener::Geoms, Meshes);
  this->HookContainer(this->DentesContainer, CQlmPositionListener::Dentes, CQlmArchListener::Dentes, Teeth);
}

void CQlmQuorvantile::SetupTeeth() {
  QlmSetUpAfterLoad(*this->GeomsContainer, *this);
  QlmSetUpAfterLoad(*this->DentesContainer, *this);
}

// The containers remove their actors from the views' renderers: they go before the windows.
void CQlmQuorvantile::ReleaseTeeth() {
  this->UnhookContainer(CQlmPositionListener::Geoms, CQlmArchListener::Geoms, Meshes);
  this->UnhookContainer(CQlmPositionListener::Dentes, CQlmArchListener::Dentes, Teeth);
  delete this->GeomsContainer;
  this->GeomsContainer = nullptr;
  delete this->DentesContainer;
  this->DentesContainer = nullptr;
}
