// The placed endodontic and orthodontic objects: bound to the views, set up after a load, released.
#include "app/CQlmQuorvantile.h"
#include "app/QlmSetUpAfterLoad.h"
#include "objects/CQlmEndoImps.h"
#include "objects/CQlmOrtoImps.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"

namespace {
template <class Container>
void Bind(Container* container, CQlmQuorvantile& controller) {
  container->SetWindows(controller.Window3D, controller.WindowAxial, controller.WindowCross,
                        controller.WindowPanoramic);
}
}  // namespace

void CQlmQuorvantile::BindMultiPart() {
  Bind(this->EndoImpsContainer, *this);
  Bind(this->OrtoImpsContainer, *this);
  this->PositionListeners[CQlmPositionListener::EndoImps] = this->EndoImpsContainer;
  this->PositionListeners[CQlmPositionListener::OrtoImps] = this->OrtoImpsContainer;
  this->ArchListeners[CQlmArchListener::EndoImps] = this->EndoImpsContainer;
  this->ArchListeners[CQlmArchListener::OrtoImps] = this->OrtoImpsContainer;
  this->LabelOptions[Endodontic] = this->EndoImpsContainer;
  this->LabelOptions[Orthodontic] = this->OrtoImpsContainer;
}

// The project file's reading gave the containers their libraries.
void CQlmQuorvantile::SetupMultiPart() {
  QlmSetUpAfterLoad(*this->EndoImpsContainer, *this);
  QlmSetUpAfterLoad(*this->OrtoImpsContainer, *this);
}

// The containers remove their actors from the views' renderers: they go before the windows.
void CQlmQuorvantile::ReleaseMultiPart() {
  this->PositionListeners[CQlmPositionListener::EndoImps] = nullptr;
  this->PositionListeners[CQlmPositionListener::OrtoImps] = nullptr;
  this->ArchListeners[CQlmArchListener::EndoImps] = nullptr;
  this->ArchListeners[CQlmArchListener::OrtoImps] = nullptr;
  this->LabelOptions[Endodontic] = nullptr;
  this->LabelOptions[Orthodontic] = nullptr;
  delete this->EndoImpsContainer;
  this->EndoImpsContainer = nullptr;
  delete this->OrtoImpsContainer;
  this->OrtoImpsContainer = nullptr;
}
