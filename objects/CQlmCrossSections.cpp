#include "objects/CQlmCrossSections.h"

#include <vtkMatrix4x4.h>
#include <vtkNew.h>

#include <algorithm>

#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmResliceGeometry.h"
#include "toolkit/QlmIndexRange.h"
#include "toolkit/QlmPlanningFrame.h"

namespace {
constexpr int MiddleSection = 4;
constexpr int SectionCount = 9;
}  // namespace

int CQlmCrossSections::ComputeLargestIndex() const {
  if (!this->Calculator || !QlmIndexRange::IsUsableLength(this->Spacing)) return -8;
  return QlmIndexRange::CrossMaximum(this->Calculator->GetArchLength(), this->Spacing);
}

void CQlmCrossSections::SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator, float spacing) {
  const QlmPlanningFrame frame(image);
  std::copy(frame.GetCentre(), frame.GetCentre() + 3, this->Offset);
  this->Spacing = spacing;
  this->Calculator = calculator;
  this->LargestIndex = this->ComputeLargestIndex();
}

void CQlmCrossSections::SetCrossIndex(int index) {
  if (index == this->FirstIndex || index < 0 || index > this->LargestIndex) return;
  this->PendingShift = this->Stale ? 0 : index - this->FirstIndex;
  this->Stale = 0;
  this->FirstIndex = index;
  this->CentreArc = (index + MiddleSection) * this->Spacing;
  this->UpdateCutters();
}

void CQlmCrossSections::SetCrossSpacing(float spacing) {
  const int oldLargest = this->LargestIndex;
  this->Spacing = spacing;
  this->Stale = 1;
  this->LargestIndex = this->ComputeLargestIndex();
  this->FirstIndex = QlmIndexRange::Rescale(std::max(this->FirstIndex, 0), oldLargest, this->LargestIndex);
  this->CentreArc = (this->FirstIndex + MiddleSection) * this->Spacing;
  this->PendingShift = 0;
  this->UpdateCutters();
}

void CQlmCrossSections::SetSingleCrossSection(int on) {
  this->SingleSection = on;
  if (!on) {
    this->PendingShift = 0;
    this->UpdateCutters();
  }
}

void CQlmCrossSections::PlaceAt(int k, float arc) const {
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
  this->Place(k, matrix->GetData());
}

void CQlmCrossSections::UpdateCutters() {
  if (!this->Calculator) return;
  const int largest = this->ComputeLargestIndex();
  if (largest != this->LargestIndex) {
    this->LargestIndex = largest;
    this->FirstIndex = std::clamp(this->FirstIndex, 0, std::max(largest, 0));
    this->PendingShift = 0;
    this->CentreArc = (this->FirstIndex + MiddleSection) * this->Spacing;
  }
  const float centre = (this->FirstIndex + MiddleSection) * this->Spacing;
  if (this->SingleSection) {
    this->PlaceAt(MiddleSection, centre);
    return;
  }
  this->Shift(this->PendingShift);
  for (int k = 0; k < SectionCount; ++k) this->PlaceAt(k, centre + (k - MiddleSection) * this->Spacing);
}
