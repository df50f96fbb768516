// The placed endodontic and orthodontic objects: bound to the views, set up after a load, released.
#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "objects/CQlmEndoImps.h"
#include "objects/CQlmOrtoImps.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"

namespace {
// Both containers' set-up after a load, the same for either family.
template <class Container>
void SetUpAfterLoad(Container& container, CQlmQuorvantile& controller) {
  const CQlmCTCrossFilter9& cross = *controller.CTFilter->GetCrossFilter();
  container.SetInput(controller.CTData->ImageData, controller.PanoramicCalc, cross.GetSectionSpacing(),
                     controller.Indicator);
  // Objects read from a project have no view objects yet.
  if (container.GetListAxial()->GetCount() == 0) container.BuildViewObjects();
  container.SetAxialIndex(controller.CTFilter->GetAxialFilter()->GetCurrentSlice());
  container.SetCrossIndex(cross.GetFirstIndex());
  container.SetPanoramicIndex(controller.PanoramicCalc->GetCurrentCurve());
}

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

void CQlmQuorvantile::SetupMultiPart() {
  this->EndoImpsContainer->SetLibraries(vtkEndoImpLib::SafeDownCast(this->Libraries[Endodontic]),
                                        this->LibraryNames[Endodontic]);
  this->OrtoImpsContainer->SetLibraries(vtkOrtoImpLib::SafeDownCast(this->Libraries[Orthodontic]),
                                        this->LibraryNames[Orthodontic]);
  SetUpAfterLoad(*this->EndoImpsContainer, *this);
  SetUpAfterLoad(*this->OrtoImpsContainer, *this);
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
