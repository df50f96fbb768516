#include "objects/CQlmImplantRingCreator.h"

#include <vtkPolyData.h>

#include "toolkit/vtkRingSource.h"

CQlmImplantRingCreator::CQlmImplantRingCreator() { this->Source->SetResolution(16); }

CQlmImplantRingCreator::~CQlmImplantRingCreator() = default;

vtkPolyData* CQlmImplantRingCreator::GetOutput() {
  this->Source->SetRadiusNearOut(this->Outer / 2.0);
  this->Source->SetRadiusFarOut(this->Outer / 2.0);
  this->Source->SetRadiusNearIn(this->Inner / 2.0);
  this->Source->SetRadiusFarIn(this->Inner / 2.0);
  this->Source->SetNearDist(this->Start);
  this->Source->SetFarDist(this->End);
  this->Source->Update();
  return this->Source->GetOutput();
}
