#include "toolkit/vtkHUProfileSource.h"

#include <vtkCellArray.h>
#include <vtkImageData.h>
#include <vtkInformationVector.h>
#include <vtkMath.h>
#include <vtkObjectFactory.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

#include <algorithm>
#include <cmath>

#include "toolkit/vtkRullerWindowHU.h"

vtkStandardNewMacro(vtkHUProfileSource);

namespace {

// Continuous index of `position` along an axis of `count` samples; false
// when it lies outside them (a rounding error of the ends is let in).
bool AxisIndex(double position, double origin, double spacing, int first, int count, double& index) {
  constexpr double Tolerance = 1e-6;
  index = (position - origin) / spacing - first;
  if (index < -Tolerance || index > count - 1 + Tolerance) return false;
  index = std::clamp(index, 0.0, static_cast<double>(count - 1));
  return true;
}

}  // namespace

vtkHUProfileSource::vtkHUProfileSource() { this->SetNumberOfInputPorts(0); }

vtkHUProfileSource::~vtkHUProfileSource() = default;

void vtkHUProfileSource::SetImageData(vtkImageData* image) {
  if (this->ImageData == image) return;
  this->ImageData = image;
  this->Modified();
}

vtkImageData* vtkHUProfileSource::GetImageData() const { return this->ImageData; }

vtkMTimeType vtkHUProfileSource::GetMTime() {
  const vtkMTimeType own = this->Superclass::GetMTime();
  return this->ImageData ? std::max(own, this->ImageData->GetMTime()) : own;
}

bool vtkHUProfileSource::Sample(double x, double y, double& value) const {
  vtkImageData* image = this->ImageData;
  const int* extent = image->GetExtent();
  const double* origin = image->GetOrigin();
  const double* spacing = image->GetSpacing();
  const int columns = extent[1] - extent[0] + 1;
  const int rows = extent[3] - extent[2] + 1;
  double fx = 0.0, fy = 0.0;
  if (!AxisIndex(x, origin[0], spacing[0], extent[0], columns, fx)) return false;
  if (!AxisIndex(y, origin[1], spacing[1], extent[2], rows, fy)) return false;
  const int z = extent[5] == extent[4] ? extent[4] : extent[4] + this->ZSlice;
  const int i0 = static_cast<int>(fx);
  const int j0 = static_cast<int>(fy);
  const int i1 = std::min(i0 + 1, columns - 1);
  const int j1 = std::min(j0 + 1, rows - 1);
  const double tx = fx - i0;
  const double ty = fy - j0;
  auto at = [&](int i, int j) {
    return image->GetScalarComponentAsDouble(extent[0] + i, extent[2] + j, z, 0);
  };
  value = (1 - ty) * ((1 - tx) * at(i0, j0) + tx * at(i1, j0)) + ty * ((1 - tx) * at(i0, j1) + tx * at(i1, j1));
  return true;
}

int vtkHUProfileSource::RequestData(vtkInformation*, vtkInformationVector**, vtkInformationVector* outputVector) {
  vtkPolyData* output = vtkPolyData::GetData(outputVector, 0);
  this->Values.clear();
  this->Average = 0.0;
  vtkNew<vtkPoints> points;
  vtkNew<vtkCellArray> lines;
  output->SetPoints(points);
  output->SetLines(lines);
  vtkImageData* image = this->ImageData;
  if (!image || image->GetNumberOfPoints() == 0) return 1;
  const int* extent = image->GetExtent();
  if (extent[5] != extent[4] && (this->ZSlice < 0 || this->ZSlice > extent[5] - extent[4])) {
    vtkWarningMacro("vtkHUProfileSource::RequestData failed: slice " << this->ZSlice << " is not in the image");
    return 1;
  }

  double line[3];
  for (int i = 0; i < 3; ++i) line[i] = this->Point2[i] - this->Point1[i];
  const double length = vtkMath::Norm(line);
  const double step = image->GetSpacing()[0];
  const long steps = step > 0.0 ? static_cast<long>(std::floor(length / step)) : 0;
  const double mirror = this->MirrorY ? -1.0 : 1.0;
  std::vector<vtkIdType> ids;
  double sum = 0.0;
  for (long k = 0; k <= steps; ++k) {
    const double along = k * step;
    const double t = length > 0.0 ? along / length : 0.0;
    const double x = this->Point1[0] + line[0] * t;
    const double y = (this->Point1[1] + line[1] * t) * mirror;
    double value = 0.0;
    if (!this->Sample(x, y, value)) continue;
    this->Values.push_back(value);
    sum += value;
    ids.push_back(points->InsertNextPoint(this->HorzSize * (t - 0.5), vtkRullerWindowHU::HeightOf(value), 0.0));
  }
  if (this->Values.empty()) return 1;
  this->Average = sum / static_cast<double>(this->Values.size());
  lines->InsertNextCell(static_cast<vtkIdType>(ids.size()), ids.data());
  return 1;
}

void vtkHUProfileSource::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "ImageData: " << this->ImageData.GetPointer() << "\n"
     << indent << "ZSlice: " << this->ZSlice << "\n"
     << indent << "MirrorY: " << this->MirrorY << "\n"
     << indent << "Thick: " << this->Thick << "\n"
     << indent << "Point1: " << this->Point1[0] << ", " << this->Point1[1] << ", " << this->Point1[2] << "\n"
     << indent << "Point2: " << this->Point2[0] << ", " << this->Point2[1] << ", " << this->Point2[2] << "\n"
     << indent << "HorzSize: " << this->HorzSize << "\n"
     << indent << "Average: " << this->Average << "\n";
}
