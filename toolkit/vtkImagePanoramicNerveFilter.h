#pragma once
// Curved reformat of a CT volume along a nerve's axial line: the volume is cut
// by the vertical surface through the line and unrolled into a flat image, as
// the panoramic image unrolls it along the arch.
//
// Input: the CT volume (one 16-bit component). The nerve line holds its
// control points in order (planning millimetres, see QlmPlanningFrame); only
// their x and y are used.
//
// Output: a 16-bit image of the volume's scalar type, extent (0 .. n - 1,
// 0 .. h - 1, 0 .. 0), spacing (volume spacing x, volume spacing y, 1).
// Column i is the vertical line through the point at axial arc length
// i * spacing x along the nerve line, i = 0 .. trunc(L / spacing x) for a line of
// axial length L; row j lies at height z = cz + (j - (h - 1) / 2) * spacing y,
// h = trunc(volume height / spacing y + 0.5). The origin (-L / 2,
// -(h - 1) * spacing y / 2, 0) places the image in the nerve window's frame:
// x along the line from its middle, y the height above the volume centre.
// Voxels are interpolated linearly; outside the volume the image is 0. A line
// with fewer than two points gives an empty image.
#include <vtkImageAlgorithm.h>
#include <vtkSmartPointer.h>

class vtkPolyData;

class vtkImagePanoramicNerveFilter : public vtkImageAlgorithm {
public:
  static vtkImagePanoramicNerveFilter* New();
  vtkTypeMacro(vtkImagePanoramicNerveFilter, vtkImageAlgorithm);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // The nerve line to follow: points in order and one polyline cell. Kept, not
  // copied: an edit of the line is seen at the next update. Required.
  void SetNerveCurve(vtkPolyData* curve);
  vtkPolyData* GetNerveCurve() const { return this->NerveCurve; }

  // 1: planning y runs against the volume's y, so the line point (x, y) is the
  // volume point (cx + x, cy - y), as with the CT filters' y flip. Default 0.
  vtkSetMacro(MirrorY, int);
  vtkGetMacro(MirrorY, int);
  vtkBooleanMacro(MirrorY, int);

  // 1: the columns run from the line's last point to its first. Default 0.
  vtkSetMacro(MirrorX, int);
  vtkGetMacro(MirrorX, int);
  vtkBooleanMacro(MirrorX, int);

  // Includes the nerve line's modification time.
  vtkMTimeType GetMTime() override;

  vtkImagePanoramicNerveFilter(const vtkImagePanoramicNerveFilter&) = delete;
  void operator=(const vtkImagePanoramicNerveFilter&) = delete;

protected:
  vtkImagePanoramicNerveFilter() = default;
  ~vtkImagePanoramicNerveFilter() override = default;

  int RequestInformation(vtkInformation* request, vtkInformationVector** inputVector,
                         vtkInformationVector* outputVector) override;
  int RequestUpdateExtent(vtkInformation* request, vtkInformationVector** inputVector,
                          vtkInformationVector* outputVector) override;
  int RequestData(vtkInformation* request, vtkInformationVector** inputVector,
                  vtkInformationVector* outputVector) override;

  vtkSmartPointer<vtkPolyData> NerveCurve;
  int MirrorY = 0;
  int MirrorX = 0;
};
