#include "objects/CQlmGeomCross9.h"

#include "ct/CQlmLayeredWindow9.h"
#include "objects/CQlmGeom3D.h"
#include "toolkit/vtkGeomCross9.h"

namespace {
constexpr int OutlineLayer = 2;
}

CQlmGeomCross9::CQlmGeomCross9()
    : CQlmGeomCut(vtkGeomCross9::New(), vtkGeomCross9::Sections),
      CrossCutter(static_cast<vtkGeomCross9*>(this->GetCutter())),
      Sections([this](int k, const double elements[16]) { this->CrossCutter->SetSectionMatrix(k, elements); },
               [this](int shift) { this->CrossCutter->SetShift(shift); }) {
  this->CrossCutter->UnRegister(nullptr);
}

CQlmGeomCross9::~CQlmGeomCross9() {
  if (this->Window) this->RemoveFromRenderer();
}

vtkRenderer* CQlmGeomCross9::SectionRenderer(int k) const {
  return this->Window ? this->Window->GetCellLayerRenderer(k, OutlineLayer) : nullptr;
}

void CQlmGeomCross9::SetVisibility(int visible) {
  this->CQlmGeomCut::SetVisibility(visible);
  this->Sections.Invalidate();
}

void CQlmGeomCross9::SetInteractionMatrix(int section, const double drag[16]) {
  float origin[3];
  this->CrossCutter->GetPositionInSection(section, origin);
  const double pivot[3] = {origin[0], origin[1], origin[2]};
  this->Preview(pivot, drag);
}

void CQlmGeomCross9::ApplyMotionTo3D(int section) {
  vtkMatrix4x4* plane = this->CrossCutter->GetSectionMatrix(section);
  if (plane) this->CommitInPlane(plane);
}
