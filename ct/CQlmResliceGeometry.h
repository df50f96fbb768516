#pragma once
// What the cross-section and panoramic filters keep of the CT volume, and the
// planes they cut from it. A plane is a grid of the reslice's output (spacing =
// the volume's spacing, origin = (origin x - cx, origin y - cy, 0)) sampled at
// c + M' * p, where c is the volume centre origin + (dimensions - 1) * spacing / 2
// and M' the placement matrix, flipped when the y flip is on. With the flip
// on, as the views use it, the placements are in the planning frame of
// QlmPlanningFrame, planning point (x, y, z) = volume point (cx + x, cy - y, cz + z),
// and a plane's own x and y are those of its placement's local frame.
//
// Spacing, origin, centre and height are single precision, as the filters keep them.
#include "toolkit/QlmImageSampler.h"
#include "toolkit/QlmPlanningFrame.h"

#include <memory>

class vtkImageData;
class vtkMatrix4x4;

class CQlmResliceGeometry {
public:
  // A range of output indices, first to last (empty when last < first).
  struct Range {
    int First = 0;
    int Last = -1;
    int Count() const { return this->Last >= this->First ? this->Last - this->First + 1 : 0; }
  };

  enum class Precision { Single, Double };

  // Records the volume (not owned) and its geometry; null forgets it.
  void SetVolume(vtkImageData* volume, QlmImageSampler::Interpolation mode);
  // Takes the volume's voxels as they are now (they may have been reallocated
  // since SetVolume); true when they are one 16-bit component to sample. Call
  // before sampling.
  bool PrepareSampling();
  bool CanSample() const { return this->Sampler && this->Sampler->IsValid(); }

  const int* GetDimensions() const { return this->Dimensions; }
  const int* GetExtent() const { return this->Extent; }
  const float* GetSpacing() const { return this->Spacing; }
  const float* GetOrigin() const { return this->Origin; }
  const float* GetVolumeCentre() const { return this->Frame.GetCentre(); }
  // The conversion between the planning frame and the volume (centre at 0 without a volume).
  const QlmPlanningFrame& GetPlanningFrame() const { return this->Frame; }
  // Dimension z x spacing z, in mm.
  float GetVolumeHeight() const { return this->VolumeHeight; }
  int GetScalarType() const { return this->ScalarType; }
  int GetNumberOfComponents() const { return this->Components; }

  // x range of a plane `pixels` wide centred on the volume: o = (dimension x -
  // pixels) div 2, from x start + o to x end - o, one more at the end when
  // pixels is odd.
  Range CentredColumns(int pixels) const;
  // y range spanning the volume's height in pixels of the y spacing:
  // H = trunc(height / spacing y + 0.5), v = trunc(H / 2), from y start +
  // dimension y div 2 - v to y end - dimension y div 2 + v, one more at the end
  // when H is odd.
  Range HeightRows(Precision precision) const;
  // Where column `column` and row `row` of every plane lie in the plane's own
  // frame (mm): (origin - c) + index * spacing, x along the placement's local x
  // from its origin, y along its local y (the height above the placement's
  // origin for the section and strip planes).
  double ColumnPosition(int column) const;
  double RowPosition(int row) const;

  // The sampling grid of a plane placed by `matrix` (16 doubles, row-major).
  QlmImageSampler::Plane MakePlane(const double matrix[16], bool flipY) const;
  // Samples rows `rows` and columns `columns` of a plane into out, row after
  // row, each row `stride` values apart. Needs CanSample().
  void SampleRows(const QlmImageSampler::Plane& plane, Range rows, Range columns, uint16_t* out, long stride) const;

  // Turns a placement matrix into the one that the y flip uses: decomposed into
  // its position and vtkTransform's orientation angles (single precision), then
  // rebuilt as Translate(px, -py, pz) * RotateY(y) * RotateZ(180 - z) * RotateX(x).
  static void FlipMatrixY(vtkMatrix4x4* matrix);

private:
  vtkImageData* Volume = nullptr;
  QlmImageSampler::Interpolation Mode = QlmImageSampler::Interpolation::Linear;
  std::unique_ptr<QlmImageSampler> Sampler;
  int Dimensions[3] = {0, 0, 0};
  int Extent[6] = {0, -1, 0, -1, 0, -1};
  float Spacing[3] = {1, 1, 1};
  float Origin[3] = {0, 0, 0};
  QlmPlanningFrame Frame;
  float VolumeHeight = 0;
  int ScalarType = 0;
  int Components = 0;
};
