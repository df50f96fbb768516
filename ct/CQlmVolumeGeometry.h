#pragma once
// Geometry of a stored CT volume: voxel type, components, dimensions, spacing and
// origin as a volume block or record carries them, with the checks made before
// anything is allocated.
#include <cstdint>
#include <string>

class vtkImageData;

class CQlmVolumeGeometry {
public:
  // Largest volume accepted, in voxels (4 GiB of 16-bit voxels).
  static constexpr int64_t MaximumVoxelCount = int64_t(1) << 31;
  // Largest slice width and height.
  static constexpr int32_t MaximumSliceSide = 65535;
  // Largest voxel spacing and distance of the origin from 0 on any axis (mm).
  static constexpr float MaximumSpacing = 100.0f;
  static constexpr float MaximumOrigin = 1.0e5f;

  // The geometry of an image; the scalar type is 0 when it has no voxels.
  static CQlmVolumeGeometry FromImage(vtkImageData* image);

  // Empty when the geometry describes a codable volume: one 16-bit component,
  // dimensions not negative, at most MaximumVoxelCount voxels, slices of 1 to
  // MaximumSliceSide voxels a side unless there is no slice, a spacing above 0
  // and at most MaximumSpacing, an origin within MaximumOrigin of 0 (NaN and
  // infinities are refused). Otherwise the reason.
  std::string Check() const;

  int64_t GetSliceVoxelCount() const { return int64_t(this->Dimensions[0]) * this->Dimensions[1]; }
  int64_t GetVoxelCount() const { return this->GetSliceVoxelCount() * this->Dimensions[2]; }

  // Resets `image` to this geometry (after Check) and allocates its voxels.
  void AllocateImage(vtkImageData* image) const;

  bool operator==(const CQlmVolumeGeometry&) const = default;

  int32_t ScalarType = 0;
  int32_t ComponentCount = 0;
  int32_t Dimensions[3] = {0, 0, 0};
  float Spacing[3] = {0, 0, 0};
  float Origin[3] = {0, 0, 0};
};
