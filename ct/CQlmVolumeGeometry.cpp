#include "ct/CQlmVolumeGeometry.h"

#include <vtkImageData.h>
#include <vtkPointData.h>

#include <cmath>

CQlmVolumeGeometry CQlmVolumeGeometry::FromImage(vtkImageData* image) {
  CQlmVolumeGeometry geometry;
  const bool hasVoxels = image->GetPointData()->GetScalars() != nullptr;
  geometry.ScalarType = hasVoxels ? image->GetScalarType() : 0;
  geometry.ComponentCount = hasVoxels ? image->GetNumberOfScalarComponents() : 0;
  int dimensions[3];
  image->GetDimensions(dimensions);
  double spacing[3];
  image->GetSpacing(spacing);
  double origin[3];
  image->GetOrigin(origin);
  for (int axis = 0; axis < 3; ++axis) {
    geometry.Dimensions[axis] = dimensions[axis];
    geometry.Spacing[axis] = static_cast<float>(spacing[axis]);
    geometry.Origin[axis] = static_cast<float>(origin[axis]);
  }
  return geometry;
}

std::string CQlmVolumeGeometry::Check() const {
  if (this->ScalarType != VTK_SHORT && this->ScalarType != VTK_UNSIGNED_SHORT) {
    return "voxel type " + std::to_string(this->ScalarType) + " is not a 16-bit integer";
  }
  if (this->ComponentCount != 1) {
    return std::to_string(this->ComponentCount) + " components instead of 1";
  }
  const int32_t* dims = this->Dimensions;
  if (dims[0] < 0 || dims[1] < 0 || dims[2] < 0) {
    return "negative dimensions";
  }
  if (dims[2] > 0 && (dims[0] < 1 || dims[1] < 1 || dims[0] > MaximumSliceSide || dims[1] > MaximumSliceSide)) {
    return "slice size outside 1.." + std::to_string(MaximumSliceSide);
  }
  if (dims[2] > 0 && this->GetVoxelCount() > MaximumVoxelCount) {
    return "more than " + std::to_string(MaximumVoxelCount) + " voxels";
  }
  for (int axis = 0; axis < 3; ++axis) {
    // Written so that NaN fails each test.
    if (!(this->Spacing[axis] > 0.0f && this->Spacing[axis] <= MaximumSpacing)) {
      return "spacing " + std::to_string(this->Spacing[axis]) + " outside 0.." + std::to_string(MaximumSpacing);
    }
    if (!(std::fabs(this->Origin[axis]) <= MaximumOrigin)) {
      return "origin " + std::to_string(this->Origin[axis]) + " farther than " + std::to_string(MaximumOrigin);
    }
  }
  return {};
}

void CQlmVolumeGeometry::AllocateImage(vtkImageData* image) const {
  image->Initialize();
  image->SetDimensions(this->Dimensions[0], this->Dimensions[1], this->Dimensions[2]);
  image->SetSpacing(this->Spacing[0], this->Spacing[1], this->Spacing[2]);
  image->SetOrigin(this->Origin[0], this->Origin[1], this->Origin[2]);
  image->AllocateScalars(this->ScalarType, this->ComponentCount);
}
