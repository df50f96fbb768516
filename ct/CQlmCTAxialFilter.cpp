#include "ct/CQlmCTAxialFilter.h"

#include <vtkImageData.h>

#include <algorithm>
#include <cstring>

#include "toolkit/QlmPlanningFrame.h"

void CQlmCTAxialFilter::SetInput(vtkImageData* volume) {
  this->Input = volume;
  this->Output->Initialize();
  this->MaxSlice = -1;
  if (!volume) return;
  int dimensions[3];
  double spacing[3], origin[3];
  volume->GetDimensions(dimensions);
  volume->GetSpacing(spacing);
  volume->GetOrigin(origin);
  for (int axis = 0; axis < 3; ++axis) {
    this->Spacing[axis] = static_cast<float>(spacing[axis]);
    this->Origin[axis] = static_cast<float>(origin[axis]);
  }
  this->MaxSlice = dimensions[2] - 1;
  if (volume->GetNumberOfPoints() == 0) {
    this->Output->Modified();
    return;
  }
  this->CurrentSlice = std::clamp(this->CurrentSlice, 0, this->MaxSlice);
  this->Output->SetDimensions(dimensions[0], dimensions[1], 1);
  this->Output->SetSpacing(this->Spacing[0], this->Spacing[1], this->Spacing[2]);
  const QlmPlanningFrame frame(dimensions, this->Spacing, this->Origin);
  const float* centre = frame.GetCentre();
  this->Output->SetOrigin(this->Origin[0] - centre[0], this->Origin[1] - centre[1], this->Origin[2]);
  this->Output->AllocateScalars(volume->GetScalarType(), volume->GetNumberOfScalarComponents());
  this->Update();
}

void CQlmCTAxialFilter::SetSlice(int z) {
  if (z == this->CurrentSlice || z < 0 || z > this->MaxSlice) return;
  this->CurrentSlice = z;
  this->Update();
}

void CQlmCTAxialFilter::Update() {
  if (!this->Input) return;
  int dimensions[3];
  this->Input->GetDimensions(dimensions);
  const int* shown = this->Output->GetDimensions();
  const bool sameVoxels = this->Input->GetScalarType() == this->Output->GetScalarType() &&
                          this->Input->GetNumberOfScalarComponents() == this->Output->GetNumberOfScalarComponents();
  if (dimensions[0] != shown[0] || dimensions[1] != shown[1] || dimensions[2] - 1 != this->MaxSlice || !sameVoxels) {
    this->SetInput(this->Input);  // the volume was filled anew with another shape
    return;
  }
  if (this->Output->GetNumberOfPoints() == 0) return;
  int extent[6];
  this->Input->GetExtent(extent);
  const size_t sliceBytes = static_cast<size_t>(this->Output->GetNumberOfPoints()) *
                            this->Input->GetNumberOfScalarComponents() * this->Input->GetScalarSize();
  const void* slice = this->Input->GetScalarPointer(extent[0], extent[2], extent[4] + this->CurrentSlice);
  std::memcpy(this->Output->GetScalarPointer(), slice, sliceBytes);
  this->Output->Modified();
}
