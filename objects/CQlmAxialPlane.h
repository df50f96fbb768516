#pragma once
// The axial slice plane of a 2D cut: the z = 0 plane of a transform placed at
// slice i of the volume, turned 180 degrees about x when asked so that the
// outlines lie in the planning frame the axial view shows.
class vtkImageData;
class vtkTransform;

class CQlmAxialPlane {
public:
  // `plane` is the cutter's transform (borrowed), moved by every change of slice.
  CQlmAxialPlane(vtkTransform* plane, int turn) : Plane(plane), Turn(turn) {}

  // Volume centre, slice spacing and count; the plane goes to slice 0 unless it is there already.
  void SetInput(vtkImageData* image);
  // Ignored for the current slice, a negative index or one beyond the slice count.
  void SetAxialIndex(int index);
  // -1 before the first SetInput.
  int GetCurrentSlice() const { return this->CurrentSlice; }

private:
  void PlacePlane(int index);

  vtkTransform* Plane;
  int Turn;
  double Centre[3] = {0.0, 0.0, 0.0};
  int SliceCount = -1;
  int CurrentSlice = -1;
  double SliceSpacing = 1.0;
};
