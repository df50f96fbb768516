#pragma once
// An object container's set-up after a load: the volume, the arch and the
// section spacing, its view objects when the file gave none, then the views'
// positions and the section layout the file's view state left.
#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmPanoramicCalc.h"

template <class Container>
void QlmSetUpAfterLoad(Container& container, const CQlmQuorvantile& controller) {
  const CQlmCTCrossFilter9& cross = *controller.CTFilter->GetCrossFilter();
  container.SetInput(controller.CTData->ImageData, controller.PanoramicCalc, cross.GetSectionSpacing(),
                     controller.Indicator);
  // Objects read from a project have no view objects yet.
  if (container.GetListAxial()->GetCount() == 0) container.BuildViewObjects();
  container.SetAxialIndex(controller.CTFilter->GetAxialFilter()->GetCurrentSlice());
  container.SetCrossIndex(cross.GetFirstIndex());
  container.SetPanoramicIndex(controller.PanoramicCalc->GetCurrentCurve());
  container.SetSingleCrossSection(cross.GetSingleSection());
}
