#include "project/CQlmKeptLibraries.h"

#include "app/CQlmQuorvantile.h"
#include "objects/CQlmDentes.h"
#include "objects/CQlmEndoImps.h"
#include "objects/CQlmGeoms.h"
#include "objects/CQlmImplants.h"
#include "objects/CQlmOrtoImps.h"

namespace {

template <class Container>
void KeepLoaded(Container* container, bool keep) {
  if (container) container->KeepLibrariesLoaded(keep);
}

}  // namespace

CQlmKeptLibraries::CQlmKeptLibraries(CQlmQuorvantile& controller) : Controller(controller) { this->Keep(true); }

CQlmKeptLibraries::~CQlmKeptLibraries() { this->Keep(false); }

void CQlmKeptLibraries::Keep(bool keep) {
  KeepLoaded(this->Controller.ImplantContainer, keep);
  KeepLoaded(this->Controller.GeomsContainer, keep);
  KeepLoaded(this->Controller.DentesContainer, keep);
  KeepLoaded(this->Controller.OrtoImpsContainer, keep);
  KeepLoaded(this->Controller.EndoImpsContainer, keep);
}
