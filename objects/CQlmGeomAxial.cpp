#include "objects/CQlmGeomAxial.h"

#include "ct/CQlmLayeredWindow.h"
#include "toolkit/vtkGeomAxial.h"

namespace {
constexpr int OutlineLayer = 2;
}

CQlmGeomAxial::CQlmGeomAxial()
    : CQlmGeomCut(vtkGeomAxial::New(), 1), AxialCutter(static_cast<vtkGeomAxial*>(this->GetCutter())),
      Plane(AxialCutter->GetTransform(), 1) {
  this->AxialCutter->UnRegister(nullptr);
}

CQlmGeomAxial::~CQlmGeomAxial() {
  if (this->Window) this->RemoveFromRenderer();
}

vtkRenderer* CQlmGeomAxial::SectionRenderer(int) const {
  return this->Window ? this->Window->GetLayerRenderer(OutlineLayer) : nullptr;
}

void CQlmGeomAxial::SetInteractionMatrix(const double drag[16]) {
  float origin[3];
  this->AxialCutter->GetPositionInView(origin);
  const double pivot[3] = {origin[0], origin[1], origin[2]};
  this->Preview(pivot, drag);
}

void CQlmGeomAxial::ApplyMotionTo3D() { this->CommitInPlane(this->AxialCutter->GetTransform()->GetMatrix()); }
