#include "objects/CQlmImplantCross9.h"

#include <vtkMatrix4x4.h>

#include <algorithm>
#include <cmath>

#include "ct/CQlmLayeredWindow9.h"
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmResliceGeometry.h"
#include "toolkit/QlmPlanningFrame.h"
#include "toolkit/vtkImplantCross9.h"

namespace {
constexpr int OutlineLayer = 2;
constexpr int MiddleSection = 4;
}  // namespace

CQlmImplantCross9::CQlmImplantCross9() : CQlmImplantCut(vtkImplantCross9::New(), vtkImplantCross9::Sections) {
  this->CrossCutter = static_cast<vtkImplantCross9*>(this->GetCutter());
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

int CQlmImplantCross9::ComputeLargestIndex() const {
  if (!this->Calculator || !(this->Spacing > 0)) return -8;
  return int(this->Calculator->GetArchLength() / this->Spacing - 8);
}

void CQlmImplantCross9::SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator, float spacing) {
  const QlmPlanningFrame frame(image);
  std::copy(frame.GetCentre(), frame.GetCentre() + 3, this->Offset);
  this->Spacing = spacing;
  this->Calculator = calculator;
  this->LargestIndex = this->ComputeLargestIndex();
}

void CQlmImplantCross9::SetCrossIndex(int index) {
  if (index == this->FirstIndex || index < 0 || index > this->LargestIndex) return;
  this->Shift = this->Stale ? 0 : index - this->FirstIndex;
  this->Stale = 0;
  this->FirstIndex = index;
  this->UpdateCutters();
}

void CQlmImplantCross9::SetCrossSpacing(float spacing) {
  // Without a positive largest index the fraction is undefined: start at the first section.
  const double ratio = this->LargestIndex > 0 ? double(std::max(this->FirstIndex, 0)) / this->LargestIndex : 0.0;
  this->Spacing = spacing;
  this->Stale = 1;
  this->LargestIndex = this->ComputeLargestIndex();
  const int largest = std::max(this->LargestIndex, 0);
  this->FirstIndex = std::clamp(int(largest * ratio), 0, largest);
  this->Shift = 0;
  this->UpdateCutters();
}

void CQlmImplantCross9::SetSingleCrossSection(int on) {
  this->SingleSection = on;
  if (!on) {
    this->Shift = 0;
    this->UpdateCutters();
  }
}

void CQlmImplantCross9::SetSection(int k, float arc) {
  double elements[16];
  this->Calculator->GetSectionMatrix(arc, elements);
  vtkNew<vtkMatrix4x4> matrix;
  matrix->DeepCopy(elements);
  if (this->Mirror) CQlmResliceGeometry::FlipMatrixY(matrix);
  if (this->Turn) {
    vtkNew<vtkMatrix4x4> turn;
    turn->SetElement(0, 0, -1.0);
    turn->SetElement(2, 2, -1.0);
    vtkMatrix4x4::Multiply4x4(matrix, turn, matrix);
  }
  for (int row = 0; row < 3; ++row) matrix->SetElement(row, 3, matrix->GetElement(row, 3) + this->Offset[row]);
  this->CrossCutter->SetMatrixCutter(k, matrix->GetData());
}

void CQlmImplantCross9::UpdateCutters() {
  if (!this->Calculator) return;
  const int largest = this->ComputeLargestIndex();
  if (largest != this->LargestIndex) {
    this->LargestIndex = largest;
    this->FirstIndex = std::clamp(this->FirstIndex, 0, std::max(largest, 0));
    this->Shift = 0;
  }
  const float centre = (this->FirstIndex + MiddleSection) * this->Spacing;
  if (this->SingleSection) {
    this->SetSection(MiddleSection, centre);
    return;
  }
  this->CrossCutter->SetOptimize(this->Shift);
  for (int k = 0; k < vtkImplantCross9::Sections; ++k) this->SetSection(k, centre + (k - MiddleSection) * this->Spacing);
}
