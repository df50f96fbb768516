#include "objects/CQlmImplantAxial.h"

#include <vtkMatrix4x4.h>
#include <vtkImageData.h>
#include <vtkTransform.h>

#include "ct/CQlmLayeredWindow.h"
#include "toolkit/QlmPlanningFrame.h"
#include "toolkit/vtkImplantAxial.h"

namespace {
constexpr int OutlineLayer = 2;
}

CQlmImplantAxial::CQlmImplantAxial() : CQlmImplantCut(vtkImplantAxial::New(), 1) {
  this->AxialCutter = static_cast<vtkImplantAxial*>(this->GetCutter());
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

void CQlmImplantAxial::SetInput(vtkImageData* image) {
  const QlmPlanningFrame frame(image);
  std::copy(frame.GetCentre(), frame.GetCentre() + 3, this->Centre);
  this->SliceSpacing = image ? image->GetSpacing()[2] : 1.0;
  this->SliceCount = image ? image->GetDimensions()[2] : 0;
  if (this->CurrentSlice != 0 && this->SliceCount >= 0) this->PlacePlane(0);
}

void CQlmImplantAxial::SetAxialIndex(int index) {
  if (index == this->CurrentSlice || index < 0 || index > this->SliceCount) return;
  this->PlacePlane(index);
}

void CQlmImplantAxial::PlacePlane(int index) {
  this->CurrentSlice = index;
  vtkTransform* plane = this->AxialCutter->GetTransformCutter();
  const double n = this->SliceCount, s = this->SliceSpacing;
  plane->Identity();
  plane->Translate(this->Centre[0], this->Centre[1], this->Centre[2] - n * s / 2 + s / 2 + index * s);
  if (this->Turn) plane->RotateX(180.0);
}
