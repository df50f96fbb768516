#pragma once
// Mouse style of the axial view, the panoramic view and the 2D preview: the
// event handling of CQlmInteractorStyle2D over CQlm2DInteractor. Tools are
// called through CQlmCore::DispatchMainViewEvent with the style's window.
#include "views/CQlmInteractorStyle2D.h"

class CQlmInteractorStyle2 : public CQlmInteractorStyle2D<CQlm2DInteractor> {
public:
  // The style with no core attached, or null when memory runs out.
  static CQlmInteractorStyle2* New();

protected:
  CQlmInteractorStyle2() = default;
};
