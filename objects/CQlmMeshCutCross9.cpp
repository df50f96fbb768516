#include "objects/CQlmMeshCutCross9.h"

#include "ct/CQlmLayeredWindow9.h"
#include "toolkit/vtkPolyDataCutterCross9.h"

namespace {
constexpr int OutlineLayer = 2;
}

CQlmMeshCutCross9::CQlmMeshCutCross9()
    : CQlmMeshCut(vtkPolyDataCutterCross9::New(), vtkPolyDataCutterCross9::Sections),
      CrossCutter(static_cast<vtkPolyDataCutterCross9*>(this->GetMeshCutter())),
      Sections([this](int k, const double elements[16]) { this->CrossCutter->SetMatrixCutter(k, elements); },
               [this](int shift) {
                 this->CrossCutter->SetOptimize(shift);
                 this->CrossCutter->Modified();
               }) {}

CQlmMeshCutCross9::~CQlmMeshCutCross9() {
  if (this->Window) this->RemoveFromRenderer();
}

vtkRenderer* CQlmMeshCutCross9::SectionRenderer(int k) const {
  return this->Window ? this->Window->GetCellLayerRenderer(k, OutlineLayer) : nullptr;
}

void CQlmMeshCutCross9::SetVisibility(int visible) {
  this->CQlmMeshCut::SetVisibility(visible);
  this->Sections.Invalidate();
}
