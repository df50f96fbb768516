#include "objects/CQlmMeshCutAxial.h"

#include "ct/CQlmLayeredWindow.h"
#include "toolkit/vtkPolyDataCutterAxial.h"

namespace {
constexpr int OutlineLayer = 2;
}

CQlmMeshCutAxial::CQlmMeshCutAxial()
    : CQlmMeshCut(vtkPolyDataCutterAxial::New(), 1),
      AxialCutter(static_cast<vtkPolyDataCutterAxial*>(this->GetMeshCutter())),
      Plane(AxialCutter->GetTransformCutter(), 1) {}

CQlmMeshCutAxial::~CQlmMeshCutAxial() {
  if (this->Window) this->RemoveFromRenderer();
}

vtkRenderer* CQlmMeshCutAxial::SectionRenderer(int) const {
  return this->Window ? this->Window->GetLayerRenderer(OutlineLayer) : nullptr;
}
