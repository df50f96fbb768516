#pragma once
// Samples a one-component 16-bit volume at continuous positions with the
// arithmetic of vtkImageReslice (trilinear or tricubic interpolation, a border of
// half a voxel, background 0 outside it, rounding to the nearest integer,
// clamping after cubic overshoot), so a direct resampling gives the very voxels
// that a vtkImageReslice pipeline gives without building one per plane.
//
// A sampler only reads the volume: one sampler may serve many threads at once.
// The volume must stay alive and unchanged while the sampler is used.
#include <cstdint>

class vtkImageData;
class vtkMatrix4x4;

class QlmImageSampler {
public:
  enum class Interpolation { Linear, Cubic };

  // An output grid mapped into the volume's continuous index space: the output
  // index (x, y, 0) samples the volume at Origin + y * YAxis + x * XAxis.
  struct Plane {
    double Origin[3];
    double XAxis[3];
    double YAxis[3];
  };

  // A volume that is null or not one component of VTK_SHORT or
  // VTK_UNSIGNED_SHORT gives a sampler that is not valid.
  QlmImageSampler(vtkImageData* volume, Interpolation mode);

  bool IsValid() const { return this->Scalars != nullptr; }
  int GetScalarType() const { return this->ScalarType; }

  // The grid that vtkImageReslice samples with this reslice transform (a
  // vtkTransform's matrix), no reslice axes, and this output spacing and origin.
  // Builds the matrix with vtkTransform as vtkImageReslice does, so call it on
  // one thread at a time.
  Plane MakePlane(vtkMatrix4x4* resliceTransform, const double outputSpacing[3], const double outputOrigin[3]) const;

  // Row y of the plane, columns x0 .. x1 (output indices), into out[0 .. x1 - x0]
  // as the volume's 16-bit patterns. Needs a valid sampler.
  void SampleRow(const Plane& plane, int y, int x0, int x1, uint16_t* out) const;

  // One sample at a continuous index position. Needs a valid sampler.
  uint16_t SampleAt(const double index[3]) const;

private:
  template <class T, Interpolation Mode>
  uint16_t Sample(const double point[3]) const;
  template <class T, Interpolation Mode>
  void SampleRowOf(const Plane& plane, int y, int x0, int x1, uint16_t* out) const;

  const void* Scalars = nullptr;
  int ScalarType = 0;
  Interpolation Mode = Interpolation::Linear;
  int Extent[6] = {0, -1, 0, -1, 0, -1};
  long long Increments[3] = {1, 0, 0};
  double Bounds[6] = {};
  double Spacing[3] = {1.0, 1.0, 1.0};
  double VolumeOrigin[3] = {};
};
