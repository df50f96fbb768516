#include "ct/CQlmCTPanoramicNerveFilter.h"

#include <vtkImageData.h>
#include <vtkPolyData.h>

void CQlmCTPanoramicNerveFilter::SetInput(vtkImageData* volume) { this->Filter->SetInputData(volume); }

void CQlmCTPanoramicNerveFilter::SetNerveCurve(vtkPolyData* curve) { this->Filter->SetNerveCurve(curve); }

vtkImageData* CQlmCTPanoramicNerveFilter::GetOutput() { return this->Filter->GetOutput(); }

vtkAlgorithmOutput* CQlmCTPanoramicNerveFilter::GetOutputPort() { return this->Filter->GetOutputPort(); }
