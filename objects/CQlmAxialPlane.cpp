#include "objects/CQlmAxialPlane.h"

#include <vtkImageData.h>
#include <vtkTransform.h>

#include <algorithm>

#include "toolkit/QlmPlanningFrame.h"

void CQlmAxialPlane::SetInput(vtkImageData* image) {
  const QlmPlanningFrame frame(image);
  std::copy(frame.GetCentre(), frame.GetCentre() + 3, this->Centre);
  this->SliceSpacing = image ? image->GetSpacing()[2] : 1.0;
  this->SliceCount = image ? image->GetDimensions()[2] : 0;
  if (this->CurrentSlice != 0 && this->SliceCount >= 0) this->PlacePlane(0);
}

void CQlmAxialPlane::SetAxialIndex(int index) {
  if (index == this->CurrentSlice || index < 0 || index > this->SliceCount) return;
  this->PlacePlane(index);
}

void CQlmAxialPlane::PlacePlane(int index) {
  this->CurrentSlice = index;
  const double n = this->SliceCount, s = this->SliceSpacing;
  this->Plane->Identity();
  this->Plane->Translate(this->Centre[0], this->Centre[1], this->Centre[2] - n * s / 2 + s / 2 + index * s);
  if (this->Turn) this->Plane->RotateX(180.0);
}
