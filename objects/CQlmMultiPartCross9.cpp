#include "objects/CQlmMultiPartCross9.h"

#include <algorithm>

#include "ct/CQlmLayeredWindow9.h"

namespace {
constexpr int OutlineLayer = 2;
}

CQlmMultiPartCross9::CQlmMultiPartCross9()
    : CQlmMultiPartCut(vtkGeomCross9::Sections),
      Sections([this](int k, const double elements[16]) { this->PlaceSection(k, elements); },
               [this](int shift) {
                 this->ForEachCutter([shift](vtkGeomCutter* cutter) { static_cast<Cutter*>(cutter)->SetShift(shift); });
               }) {}

CQlmMultiPartCross9::~CQlmMultiPartCross9() {
  if (this->Window) this->RemoveFromRenderer();
}

void CQlmMultiPartCross9::PlaceSection(int k, const double elements[16]) {
  std::copy(elements, elements + 16, this->Placed[k].begin());
  this->HasPlaced[k] = true;
  this->ForEachCutter(
      [k, elements](vtkGeomCutter* cutter) { static_cast<Cutter*>(cutter)->SetSectionMatrix(k, elements); });
}

vtkGeomCutter* CQlmMultiPartCross9::NewCutter(int slot) {
  Cutter* cutter = this->MakeCutter();
  cutter->SetPartIndex(slot);
  for (int k = 0; k < vtkGeomCross9::Sections; ++k) {
    if (this->HasPlaced[k]) cutter->SetSectionMatrix(k, this->Placed[k].data());
  }
  return cutter;
}

void CQlmMultiPartCross9::SetVisibility(int visible) {
  this->CQlmMultiPartCut::SetVisibility(visible);
  this->Sections.Invalidate();
}

vtkRenderer* CQlmMultiPartCross9::SectionRenderer(int k) const {
  return this->Window ? this->Window->GetCellLayerRenderer(k, OutlineLayer) : nullptr;
}

void CQlmMultiPartCross9::SetInteractionMatrix(int section, const double drag[16]) {
  auto* body = static_cast<Cutter*>(this->GetCutter());
  if (!body) return;
  float origin[3];
  body->GetPositionInSection(section, origin);
  const double pivot[3] = {origin[0], origin[1], origin[2]};
  this->Preview(pivot, drag);
}

void CQlmMultiPartCross9::ApplyUserMatrix(int section) {
  auto* body = static_cast<Cutter*>(this->GetCutter());
  vtkMatrix4x4* plane = body ? body->GetSectionMatrix(section) : nullptr;
  if (plane) this->CommitInPlane(plane);
  else this->EndDrag();
}
