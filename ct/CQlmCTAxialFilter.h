#pragma once
// The axial slice shown in the axial view: one z slice of the CT volume copied
// voxel for voxel into an image of dimensions (x, y, 1) with the volume's
// spacing, scalar type and components. Its x and y origin are the volume's
// less the volume centre (see QlmPlanningFrame), so the image lies centred
// on (0, 0) with the volume's y direction; the axial view draws it mirrored
// in y, which puts voxel (cx + x, cy - y) at planning (x, y). Its z origin is
// the volume's.
#include <vtkImageData.h>
#include <vtkNew.h>

class CQlmCTAxialFilter {
public:
  CQlmCTAxialFilter() = default;
  virtual ~CQlmCTAxialFilter() = default;
  CQlmCTAxialFilter(const CQlmCTAxialFilter&) = delete;
  CQlmCTAxialFilter& operator=(const CQlmCTAxialFilter&) = delete;

  static CQlmCTAxialFilter* New() { return new CQlmCTAxialFilter; }

  // Records the volume (not owned), shapes the output after it and copies the
  // current slice, which a new volume keeps (brought within its slices). Null
  // or a volume without voxels leaves an empty output.
  void SetInput(vtkImageData* volume);
  // Ignored when z is the current slice or outside 0 .. GetMaxSlice(); else
  // makes z current and copies it.
  void SetSlice(int z);
  // Copies the current slice into the output and marks it modified.
  void Update();

  int GetCurrentSlice() const { return this->CurrentSlice; }
  // Number of slices - 1 (-1 without a volume).
  int GetMaxSlice() const { return this->MaxSlice; }
  // The volume's spacing and origin (mm), not the output's; element 2 gives the
  // slice positions.
  const float* GetSpacing() const { return this->Spacing; }
  const float* GetOrigin() const { return this->Origin; }
  // The slice image; the same object for the filter's whole life.
  vtkImageData* GetOutput() const { return this->Output; }

private:
  vtkImageData* Input = nullptr;
  vtkNew<vtkImageData> Output;
  int CurrentSlice = 0;
  int MaxSlice = -1;
  float Spacing[3] = {1, 1, 1};
  float Origin[3] = {0, 0, 0};
};
