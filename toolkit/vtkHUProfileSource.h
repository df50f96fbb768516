#pragma once
// The CT values under a measuring line, as a curve of the HU profile plot.
//
// The line runs from Point1 to Point2 in the world frame of the view it was
// drawn in, and the image is the one that view shows: the axial slice image
// (drawn mirrored in y: MirrorY 1), the panoramic image (thin or thick, both
// in the view's frame), or the nine-section image with the cell as ZSlice.
// World (x, y) is the image's physical point (x, y), or (x, -y) with MirrorY.
//
// The line is sampled every image x spacing from Point1, with bilinear
// interpolation in slice ZSlice; samples outside the image are left out of
// the curve and the mean. Sample i at distance d of a line of length L lies
// at plot x = HorzSize * (d / L - 1/2) and height (v - 2100) / 50
// (vtkRullerWindowHU::HeightOf), so the curve spans the plot's width.
#include <vtkPolyDataAlgorithm.h>
#include <vtkSmartPointer.h>

#include <vector>

class vtkImageData;

class vtkHUProfileSource : public vtkPolyDataAlgorithm {
public:
  static vtkHUProfileSource* New();
  vtkTypeMacro(vtkHUProfileSource, vtkPolyDataAlgorithm);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // The image the view shows (one component, any scalar type); kept and
  // counted in GetMTime. Without one the profile is empty.
  void SetImageData(vtkImageData* image);
  vtkImageData* GetImageData() const;

  // Slice of the image sampled, counted from its first z index; an image of
  // a single slice (the axial slice image) is sampled in it whatever the
  // value. 0 by default.
  vtkSetMacro(ZSlice, int);
  vtkGetMacro(ZSlice, int);
  // 1: world y is the image's -y. 0 by default.
  vtkSetMacro(MirrorY, int);
  vtkGetMacro(MirrorY, int);
  // The panoramic view's thick flag. The thin and the thick image lie in the
  // same view frame, so it does not change the sampling. 0 by default.
  vtkSetMacro(Thick, int);
  vtkGetMacro(Thick, int);

  // Line end points in world mm.
  vtkSetVector3Macro(Point1, float);
  vtkGetVector3Macro(Point1, float);
  vtkSetVector3Macro(Point2, float);
  vtkGetVector3Macro(Point2, float);

  // Plot width in world units; 100 by default.
  vtkSetMacro(HorzSize, int);
  vtkGetMacro(HorzSize, int);

  // After an update: the CT values of the samples inside the image, in line
  // order, and their mean (0 without any).
  const std::vector<double>& GetValues() const { return this->Values; }
  double GetAverage() const { return this->Average; }

  vtkMTimeType GetMTime() override;

  vtkHUProfileSource(const vtkHUProfileSource&) = delete;
  void operator=(const vtkHUProfileSource&) = delete;

protected:
  vtkHUProfileSource();
  ~vtkHUProfileSource() override;

  int RequestData(vtkInformation* request, vtkInformationVector** inputVector,
                  vtkInformationVector* outputVector) override;

private:
  // The value at image point (x, y) of the sampled slice; false outside the image.
  bool Sample(double x, double y, double& value) const;

  vtkSmartPointer<vtkImageData> ImageData;
  int ZSlice = 0;
  int MirrorY = 0;
  int Thick = 0;
  float Point1[3] = {0.0f, 0.0f, 0.0f};
  float Point2[3] = {0.0f, 0.0f, 0.0f};
  int HorzSize = 100;
  std::vector<double> Values;
  double Average = 0.0;
};
