#include "objects/CQlmImplantRingCross9.h"

#include "objects/CQlmImplantRing3D.h"
#include "toolkit/vtkPolyDataCutterCross9.h"

void CQlmImplantRingCross9::SetRing(CQlmImplantRing3D* ring) {
  this->Ring = ring;
  this->SetInputConnection(ring->GetOutputPort());
  this->Invalidate();
  this->ApplyVisibility();
}

bool CQlmImplantRingCross9::IsShowable() const { return this->Ring && this->Ring->IsShown(); }

void CQlmImplantRingCross9::SetUserMatrix(int k, vtkMatrix4x4* matrix) {
  vtkMatrix4x4* section = this->GetCrossCutter()->GetMatrixCutter(k);
  if (!this->Ring || !section) return;
  double pivot[3];
  this->Ring->GetOriginIn(section, pivot);
  this->SetUserMatrixAbout(pivot, matrix);
}
