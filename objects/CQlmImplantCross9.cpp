#include "objects/CQlmImplantCross9.h"

#include <vtkMatrix4x4.h>

#include "ct/CQlmLayeredWindow9.h"
#include "toolkit/vtkImplantCross9.h"

namespace {
constexpr int OutlineLayer = 2;
}  // namespace

CQlmImplantCross9::CQlmImplantCross9()
    : CQlmImplantCut(vtkImplantCross9::New(), vtkImplantCross9::Sections),
      CrossCutter(static_cast<vtkImplantCross9*>(this->GetCutter())),
      Sections([this](int k, const double elements[16]) { this->CrossCutter->SetMatrixCutter(k, elements); },
               [this](int shift) { this->CrossCutter->SetOptimize(shift); }) {
  this->CrossCutter->UnRegister(nullptr);
}

CQlmImplantCross9::~CQlmImplantCross9() {
  if (this->Window) this->RemoveFromRenderer();
}

vtkRenderer* CQlmImplantCross9::SectionRenderer(int k) const {
  return this->Window ? this->Window->GetCellLayerRenderer(k, OutlineLayer) : nullptr;
}

vtkActor2D* CQlmImplantCross9::SectionLabel(int k) const { return this->CrossCutter->GetActorLabel(k); }

const double* CQlmImplantCross9::SectionLabelAnchor(int k) const { return this->CrossCutter->GetCenterScrew(k); }

void CQlmImplantCross9::SetUserMatrix(int k, vtkMatrix4x4* implantMatrix) {
  if (k < 0 || k >= vtkImplantCross9::Sections) return;
  this->PreviewImplantDrag(this->CrossCutter->GetFulcrum(k), implantMatrix);
}

void CQlmImplantCross9::SetConectorUserMatrix(int k, vtkMatrix4x4* connectorMatrix) {
  if (k < 0 || k >= vtkImplantCross9::Sections) return;
  this->PreviewConectorDrag(this->CrossCutter->GetFulcrum(k), connectorMatrix);
}

void CQlmImplantCross9::ApplyUserMatrix(int k) {
  if (vtkMatrix4x4* plane = this->CrossCutter->GetMatrixCutter(k)) this->CommitInPlane(plane);
}
