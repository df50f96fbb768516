#include "objects/CQlmImplantAxial.h"

#include <vtkMatrix4x4.h>
#include <vtkTransform.h>

#include "ct/CQlmLayeredWindow.h"
#include "toolkit/vtkImplantAxial.h"

namespace {
constexpr int OutlineLayer = 2;
}

CQlmImplantAxial::CQlmImplantAxial()
    : CQlmImplantCut(vtkImplantAxial::New(), 1), AxialCutter(static_cast<vtkImplantAxial*>(this->GetCutter())),
      Plane(AxialCutter->GetTransformCutter(), 1) {
  this->AxialCutter->UnRegister(nullptr);
}

CQlmImplantAxial::~CQlmImplantAxial() {
  if (this->Window) this->RemoveFromRenderer();
}

vtkRenderer* CQlmImplantAxial::SectionRenderer(int) const {
  return this->Window ? this->Window->GetLayerRenderer(OutlineLayer) : nullptr;
}

vtkActor2D* CQlmImplantAxial::SectionLabel(int) const { return this->AxialCutter->GetActorLabel(); }

const double* CQlmImplantAxial::SectionLabelAnchor(int) const { return this->AxialCutter->GetCenterScrew(); }

void CQlmImplantAxial::SetUserMatrix(vtkMatrix4x4* implantMatrix) {
  this->PreviewImplantDrag(this->AxialCutter->GetFulcrum(), implantMatrix);
}

void CQlmImplantAxial::SetConectorUserMatrix(vtkMatrix4x4* connectorMatrix) {
  this->PreviewConectorDrag(this->AxialCutter->GetFulcrum(), connectorMatrix);
}

void CQlmImplantAxial::ApplyUserMatrix() { this->CommitInPlane(this->AxialCutter->GetTransformCutter()->GetMatrix()); }
