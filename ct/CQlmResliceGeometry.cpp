#include "ct/CQlmResliceGeometry.h"

#include <vtkImageData.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkTransform.h>

#include <cmath>

void CQlmResliceGeometry::SetVolume(vtkImageData* volume, QlmImageSampler::Interpolation mode) {
  this->Volume = volume;
  this->Mode = mode;
  this->Sampler.reset();
  this->Frame = QlmPlanningFrame();
  if (!volume) return;
  volume->GetDimensions(this->Dimensions);
  volume->GetExtent(this->Extent);
  double spacing[3], origin[3];
  volume->GetSpacing(spacing);
  volume->GetOrigin(origin);
  for (int axis = 0; axis < 3; ++axis) {
    this->Spacing[axis] = static_cast<float>(spacing[axis]);
    this->Origin[axis] = static_cast<float>(origin[axis]);
  }
  this->Frame = QlmPlanningFrame(this->Dimensions, this->Spacing, this->Origin);
  this->VolumeHeight = static_cast<float>(this->Dimensions[2]) * this->Spacing[2];
  this->ScalarType = volume->GetScalarType();
  this->Components = volume->GetNumberOfScalarComponents();
  this->PrepareSampling();
}

bool CQlmResliceGeometry::PrepareSampling() {
  this->Sampler.reset();
  if (this->Volume && this->Volume->GetNumberOfPoints() > 0) {
    this->Sampler = std::make_unique<QlmImageSampler>(this->Volume, this->Mode);
  }
  return this->CanSample();
}

CQlmResliceGeometry::Range CQlmResliceGeometry::CentredColumns(int pixels) const {
  const int o = (this->Dimensions[0] - pixels) / 2;
  return {this->Extent[0] + o, this->Extent[1] - o + (pixels % 2 != 0 ? 1 : 0)};
}

CQlmResliceGeometry::Range CQlmResliceGeometry::HeightRows(Precision precision) const {
  const double pixels = precision == Precision::Double
                            ? static_cast<double>(this->VolumeHeight) / this->Spacing[1] + 0.5
                            : static_cast<double>(this->VolumeHeight / this->Spacing[1] + 0.5f);
  const int h = std::isfinite(pixels) ? static_cast<int>(std::trunc(pixels)) : 0;
  const int v = static_cast<int>(h * 0.5);
  const int half = this->Dimensions[1] / 2;
  return {this->Extent[2] + half - v, this->Extent[3] - half + v + (h % 2 != 0 ? 1 : 0)};
}

double CQlmResliceGeometry::ColumnPosition(int column) const {
  return static_cast<double>(this->Origin[0] - this->GetVolumeCentre()[0]) +
         column * static_cast<double>(this->Spacing[0]);
}

double CQlmResliceGeometry::RowPosition(int row) const {
  return static_cast<double>(this->Origin[1] - this->GetVolumeCentre()[1]) +
         row * static_cast<double>(this->Spacing[1]);
}

QlmImageSampler::Plane CQlmResliceGeometry::MakePlane(const double matrix[16], bool flipY) const {
  vtkNew<vtkMatrix4x4> placement;
  placement->DeepCopy(matrix);
  if (flipY) FlipMatrixY(placement);
  const float* centre = this->GetVolumeCentre();
  vtkNew<vtkTransform> transform;
  transform->Translate(centre[0], centre[1], centre[2]);
  transform->Concatenate(placement);
  const double spacing[3] = {this->Spacing[0], this->Spacing[1], this->Spacing[2]};
  const double origin[3] = {this->Origin[0] - centre[0], this->Origin[1] - centre[1], 0.0};
  return this->Sampler->MakePlane(transform->GetMatrix(), spacing, origin);
}

void CQlmResliceGeometry::SampleRows(const QlmImageSampler::Plane& plane, Range rows, Range columns, uint16_t* out,
                                     long stride) const {
  if (columns.Count() == 0) return;
  for (int y = rows.First; y <= rows.Last; ++y, out += stride) {
    this->Sampler->SampleRow(plane, y, columns.First, columns.Last, out);
  }
}

void CQlmResliceGeometry::FlipMatrixY(vtkMatrix4x4* matrix) {
  vtkNew<vtkTransform> decomposition;
  decomposition->SetMatrix(matrix);
  float position[3], angles[3];
  decomposition->GetPosition(position);
  decomposition->GetOrientation(angles);
  vtkNew<vtkTransform> rebuilt;
  rebuilt->Translate(position[0], -position[1], position[2]);
  rebuilt->RotateY(angles[1]);
  rebuilt->RotateZ(180.0f - angles[2]);
  rebuilt->RotateX(angles[0]);
  matrix->DeepCopy(rebuilt->GetMatrix());
}
