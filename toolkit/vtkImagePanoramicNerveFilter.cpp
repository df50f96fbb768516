#include "toolkit/vtkImagePanoramicNerveFilter.h"

#include "toolkit/QlmImageSampler.h"
#include "toolkit/QlmPlanningFrame.h"

#include <vtkImageData.h>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkObjectFactory.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkStreamingDemandDrivenPipeline.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

vtkStandardNewMacro(vtkImagePanoramicNerveFilter);

namespace {

// The nerve line in the axial plane: its points and the arc length at each.
struct AxialPath {
  std::vector<double> X, Y, Arc;

  explicit AxialPath(vtkPolyData* curve) {
    vtkPoints* points = curve ? curve->GetPoints() : nullptr;
    const vtkIdType count = points ? points->GetNumberOfPoints() : 0;
    for (vtkIdType i = 0; i < count; ++i) {
      double p[3];
      points->GetPoint(i, p);
      const double arc = i == 0 ? 0.0 : this->Arc.back() + std::hypot(p[0] - this->X.back(), p[1] - this->Y.back());
      this->X.push_back(p[0]);
      this->Y.push_back(p[1]);
      this->Arc.push_back(arc);
    }
  }

  // -1 with fewer than 2 points.
  double Length() const { return this->Arc.size() < 2 ? -1.0 : this->Arc.back(); }

  // Point at arc length s, 0 <= s <= Length(), on the first segment reaching s.
  void PointAt(double s, double& x, double& y) const {
    size_t j = 1;
    while (j + 1 < this->Arc.size() && this->Arc[j] < s) ++j;
    const double length = this->Arc[j] - this->Arc[j - 1];
    const double t = length > 0 ? (s - this->Arc[j - 1]) / length : 0.0;
    x = this->X[j - 1] + (this->X[j] - this->X[j - 1]) * t;
    y = this->Y[j - 1] + (this->Y[j] - this->Y[j - 1]) * t;
  }
};

// The output's shape and, in the nerve window's frame, its origin.
struct OutputSize {
  int Columns = 0;
  int Rows = 0;
  double Origin[3] = {0.0, 0.0, 0.0};
};

OutputSize SizeFor(const AxialPath& path, const int wholeExtent[6], const double spacing[3]) {
  OutputSize size;
  const double length = path.Length();
  if (length >= 0 && spacing[0] > 0) size.Columns = static_cast<int>(std::trunc(length / spacing[0])) + 1;
  const double height = (wholeExtent[5] - wholeExtent[4] + 1) * spacing[2];
  if (spacing[1] > 0) size.Rows = std::max(0, static_cast<int>(std::trunc(height / spacing[1] + 0.5)));
  if (size.Columns > 0) size.Origin[0] = -length / 2;
  size.Origin[1] = -(size.Rows - 1) * spacing[1] / 2;
  return size;
}

}  // namespace

void vtkImagePanoramicNerveFilter::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "NerveCurve: " << this->NerveCurve.Get() << "\n";
  os << indent << "MirrorY: " << this->MirrorY << "\n";
  os << indent << "MirrorX: " << this->MirrorX << "\n";
}

void vtkImagePanoramicNerveFilter::SetNerveCurve(vtkPolyData* curve) {
  if (this->NerveCurve == curve) return;
  this->NerveCurve = curve;
  this->Modified();
}

vtkMTimeType vtkImagePanoramicNerveFilter::GetMTime() {
  vtkMTimeType time = this->Superclass::GetMTime();
  if (this->NerveCurve) time = std::max(time, this->NerveCurve->GetMTime());
  return time;
}

int vtkImagePanoramicNerveFilter::RequestInformation(vtkInformation*, vtkInformationVector** inputVector,
                                                     vtkInformationVector* outputVector) {
  if (!this->NerveCurve) {
    vtkErrorMacro("vtkImagePanoramicNerveFilter::RequestInformation failed: no nerve curve");
    return 0;
  }
  vtkInformation* inInfo = inputVector[0]->GetInformationObject(0);
  vtkInformation* outInfo = outputVector->GetInformationObject(0);
  int wholeExtent[6];
  double spacing[3];
  inInfo->Get(vtkStreamingDemandDrivenPipeline::WHOLE_EXTENT(), wholeExtent);
  inInfo->Get(vtkDataObject::SPACING(), spacing);
  const OutputSize size = SizeFor(AxialPath(this->NerveCurve), wholeExtent, spacing);
  const int outExtent[6] = {0, size.Columns - 1, 0, size.Rows - 1, 0, 0};
  const double outSpacing[3] = {spacing[0], spacing[1], 1.0};
  outInfo->Set(vtkStreamingDemandDrivenPipeline::WHOLE_EXTENT(), outExtent, 6);
  outInfo->Set(vtkDataObject::SPACING(), outSpacing, 3);
  outInfo->Set(vtkDataObject::ORIGIN(), size.Origin, 3);
  return 1;
}

int vtkImagePanoramicNerveFilter::RequestUpdateExtent(vtkInformation*, vtkInformationVector** inputVector,
                                                      vtkInformationVector*) {
  // Any output column may need any part of the volume.
  vtkInformation* inInfo = inputVector[0]->GetInformationObject(0);
  inInfo->Set(vtkStreamingDemandDrivenPipeline::UPDATE_EXTENT(),
              inInfo->Get(vtkStreamingDemandDrivenPipeline::WHOLE_EXTENT()), 6);
  return 1;
}

int vtkImagePanoramicNerveFilter::RequestData(vtkInformation*, vtkInformationVector** inputVector,
                                              vtkInformationVector* outputVector) {
  vtkImageData* volume = vtkImageData::GetData(inputVector[0]);
  vtkImageData* output = vtkImageData::GetData(outputVector);
  const AxialPath path(this->NerveCurve);
  int extent[6];
  double spacing[3], origin[3];
  volume->GetExtent(extent);
  volume->GetSpacing(spacing);
  volume->GetOrigin(origin);
  const OutputSize size = SizeFor(path, extent, spacing);
  output->SetExtent(0, size.Columns - 1, 0, size.Rows - 1, 0, 0);
  output->SetSpacing(spacing[0], spacing[1], 1.0);
  output->SetOrigin(size.Origin);
  output->AllocateScalars(volume->GetScalarType(), 1);
  if (size.Columns == 0 || size.Rows == 0 || volume->GetNumberOfPoints() == 0) return 1;

  const QlmImageSampler sampler(volume, QlmImageSampler::Interpolation::Linear);
  if (!sampler.IsValid()) {
    vtkErrorMacro("vtkImagePanoramicNerveFilter::RequestData failed: the volume is not one 16-bit component");
    return 0;
  }
  const QlmPlanningFrame frame(volume);
  auto* out = static_cast<uint16_t*>(output->GetScalarPointer());
  for (int column = 0; column < size.Columns; ++column) {
    const int step = this->MirrorX ? size.Columns - 1 - column : column;
    double planning[3] = {0.0, 0.0, 0.0};
    path.PointAt(std::min(step * spacing[0], path.Length()), planning[0], planning[1]);
    // Without the mirror the line's y runs with the volume's.
    if (!this->MirrorY) planning[1] = -planning[1];
    for (int row = 0; row < size.Rows; ++row) {
      planning[2] = size.Origin[1] + row * spacing[1];
      double point[3];
      frame.ToVolume(planning, point);
      double index[3];
      for (int axis = 0; axis < 3; ++axis) index[axis] = (point[axis] - origin[axis]) / spacing[axis];
      out[static_cast<size_t>(row) * size.Columns + column] = sampler.SampleAt(index);
    }
  }
  return 1;
}
