#include "ct/CQlmCTFilter.h"

#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmPanoramicCalc.h"

CQlmCTFilter::CQlmCTFilter()
    : AxialFilter(std::make_unique<CQlmCTAxialFilter>()),
      CrossFilter(std::make_unique<CQlmCTCrossFilter9>()),
      PanFilter(std::make_unique<CQlmCTPanFilter>()) {}

CQlmCTFilter::~CQlmCTFilter() = default;

void CQlmCTFilter::SetInput(CQlmPanoramicCalc* calc, vtkImageData* volume) {
  this->Calc = calc;
  this->AxialFilter->SetInput(volume);
  this->CrossFilter->SetInput(volume);
  this->CrossFilter->SetCalc(calc);
  this->PanFilter->SetInput(volume);
  this->PanFilter->SetCalc(calc);
}

void CQlmCTFilter::SetParameters(float width, float spacing, float curveSpacing, int numberOfCurves) {
  this->CrossFilter->SetWidth(width);
  this->CrossFilter->SetSpacing(spacing);
  if (!this->Calc) return;
  this->Calc->SetCurveSpacing(curveSpacing);
  this->Calc->SetNumberOfCurves(numberOfCurves);
}

void CQlmCTFilter::SetCurrentCurve(int k) {
  if (!this->Calc) return;
  this->Calc->SetCurrentCurve(k);
  this->PanFilter->Update();
}
