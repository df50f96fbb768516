#include "objects/CQlmImplantRingPanoramic.h"

#include "objects/CQlmImplant3D.h"
#include "objects/CQlmImplantPanoramic.h"
#include "objects/CQlmImplantRing3D.h"
#include "toolkit/vtkImplantPanoramic.h"
#include "toolkit/vtkRingCutterPanoramic.h"

CQlmImplantRingPanoramic::CQlmImplantRingPanoramic()
    : CQlmMeshCutPanoramic(vtkRingCutterPanoramic::New()),
      RingCutter(static_cast<vtkRingCutterPanoramic*>(this->GetPanoramicCutter())) {}

void CQlmImplantRingPanoramic::SetRing(CQlmImplantRing3D* ring) {
  this->Ring = ring;
  this->SetInputConnection(ring->GetOutputPort());
  this->RingCutter->SetMatrixImplant(ring->GetImplant() ? ring->GetImplant()->GetMatrix() : nullptr);
  this->ApplyVisibility();
}

void CQlmImplantRingPanoramic::SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator,
                                        CQlmImplantPanoramic* implantCut) {
  this->CQlmMeshCutPanoramic::SetInput(image, calculator);
  this->ImplantCut = implantCut;
}

bool CQlmImplantRingPanoramic::IsShowable() const { return this->Ring && this->Ring->IsShown(); }

void CQlmImplantRingPanoramic::SetUserMatrix(vtkMatrix4x4* matrix) {
  if (!this->ImplantCut) return;
  this->SetUserMatrixAbout(this->ImplantCut->GetPanoramicCutter()->GetFulcrum(), matrix);
}
