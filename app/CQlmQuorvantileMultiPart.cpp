// The placed endodontic and orthodontic objects: bound to the views, set up after a load, released.
#include "app/CQlmQuorvantile.h"
#include "app/QlmSetUpAfterLoad.h"
#include "objects/CQlmEndoImps.h"
#include "objects/CQlmOrtoImps.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"

void CQlmQuorvantile::BindMultiPart() {
  this->HookContainer(this->EndoImpsContainer, CQlmPositionListener::EndoImps, CQlmArchListener::EndoImps, Endodontic);
  this->HookContainer(this->OrtoImpsContainer, CQlmPositionListener::OrtoImps, CQlmArchListener::OrtoImps, Orthodontic);
}

// The project file's reading gave the containers their libraries.
void CQlmQuorvantile::SetupMultiPart() {
  QlmSetUpAfterLoad(*this->EndoImpsContainer, *this);
  QlmSetUpAfterLoad(*this->OrtoImpsContainer, *this);
}

// The containers remove their actors from the views' renderers: they go before the windows.
void CQlmQuorvantile::ReleaseMultiPart() {
  this->UnhookContainer(CQlmPositionListener::EndoImps, CQlmArchListener::EndoImps, Endodontic);
  this->UnhookContainer(CQlmPositionListener::OrtoImps, CQlmArchListener::OrtoImps, Orthodontic);
  delete this->EndoImpsContainer;
  this->EndoImpsContainer = nullptr;
  delete this->OrtoImpsContainer;
  this->OrtoImpsContainer = nullptr;
}
