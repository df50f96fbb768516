#include "objects/CQlmImplantRingAxial.h"

#include <vtkTransform.h>

#include "objects/CQlmImplantRing3D.h"
#include "toolkit/vtkPolyDataCutterAxial.h"

void CQlmImplantRingAxial::SetRing(CQlmImplantRing3D* ring) {
  this->Ring = ring;
  this->SetInputConnection(ring->GetOutputPort());
  this->ApplyVisibility();
}

bool CQlmImplantRingAxial::IsShowable() const { return this->Ring && this->Ring->IsShown(); }

void CQlmImplantRingAxial::SetUserMatrix(vtkMatrix4x4* matrix) {
  if (!this->Ring) return;
  double pivot[3];
  this->Ring->GetOriginIn(this->GetAxialCutter()->GetTransformCutter()->GetMatrix(), pivot);
  this->SetUserMatrixAbout(pivot, matrix);
}
