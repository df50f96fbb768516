#include "objects/CQlmMultiPartAxial.h"

#include "ct/CQlmLayeredWindow.h"

namespace {
constexpr int OutlineLayer = 2;
}

CQlmMultiPartAxial::CQlmMultiPartAxial() : CQlmMultiPartCut(1), Plane(SlicePlane, 1) {}

CQlmMultiPartAxial::~CQlmMultiPartAxial() {
  if (this->Window) this->RemoveFromRenderer();
}

void CQlmMultiPartAxial::SetInput(vtkImageData* image) {
  this->Plane.SetInput(image);
  this->PlaceFilters();
}

void CQlmMultiPartAxial::SetAxialIndex(int index) {
  const int before = this->Plane.GetCurrentSlice();
  this->Plane.SetAxialIndex(index);
  if (this->Plane.GetCurrentSlice() != before) this->PlaceFilters();
}

// Every filter's slice transform takes the plane.
void CQlmMultiPartAxial::PlaceFilters() {
  this->ForEachCutter([this](vtkGeomCutter* cutter) {
    static_cast<Cutter*>(cutter)->GetTransform()->SetMatrix(this->SlicePlane->GetMatrix());
  });
}

vtkGeomCutter* CQlmMultiPartAxial::NewCutter(int slot) {
  Cutter* cutter = this->MakeCutter();
  cutter->SetPartIndex(slot);
  cutter->GetTransform()->SetMatrix(this->SlicePlane->GetMatrix());
  return cutter;
}

vtkRenderer* CQlmMultiPartAxial::SectionRenderer(int) const {
  return this->Window ? this->Window->GetLayerRenderer(OutlineLayer) : nullptr;
}

void CQlmMultiPartAxial::SetInteractionMatrix(const double drag[16]) {
  auto* body = static_cast<Cutter*>(this->GetCutter());
  if (!body) return;
  float origin[3];
  body->GetPositionInView(origin);
  const double pivot[3] = {origin[0], origin[1], origin[2]};
  this->Preview(pivot, drag);
}

void CQlmMultiPartAxial::ApplyMotionTo3D() { this->CommitInPlane(this->SlicePlane->GetMatrix()); }
