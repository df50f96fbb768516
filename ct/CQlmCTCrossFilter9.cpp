#include "ct/CQlmCTCrossFilter9.h"

#include "ct/CQlmPanoramicCalc.h"
#include "platform/QlmParallelFor.h"

#include <vtkImageData.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr int SectionCount = 9;
// Rows sampled by one work item.
constexpr int RowsPerItem = 16;

}  // namespace

void CQlmCTCrossFilter9::SetInput(vtkImageData* volume) {
  this->Input = volume;
  this->Geometry.SetVolume(volume, QlmImageSampler::Interpolation::Cubic);
  this->Output->Initialize();
  if (!volume) return;
  const double pixels = static_cast<double>(this->SectionWidth) / this->Geometry.GetSpacing()[0] + 0.5;
  this->Columns = this->Geometry.CentredColumns(std::isfinite(pixels) ? static_cast<int>(std::trunc(pixels)) : 0);
  this->Rows = this->Geometry.HeightRows(CQlmResliceGeometry::Precision::Double);
  const float* spacing = this->Geometry.GetSpacing();
  this->Output->SetExtent(0, this->Columns.Count() - 1, 0, this->Rows.Count() - 1, 0, SectionCount - 1);
  this->Output->SetSpacing(spacing[0], spacing[1], spacing[2]);
  this->Output->SetOrigin(this->Geometry.ColumnPosition(this->Columns.First),
                          this->Geometry.RowPosition(this->Rows.First), 0.0);
  this->Output->AllocateScalars(this->Geometry.GetScalarType(), this->Geometry.GetNumberOfComponents());
  if (this->Output->GetNumberOfPoints() == 0) return;
  std::memset(this->Output->GetScalarPointer(), 0,
              static_cast<size_t>(this->Output->GetNumberOfPoints()) * this->Output->GetNumberOfScalarComponents() *
                  this->Output->GetScalarSize());
}

void CQlmCTCrossFilter9::SetCalc(CQlmPanoramicCalc* calc) {
  this->Calc = calc;
  this->MaxIndex = this->ComputeMaxIndex();
  this->Recompute(0);
}

// The sagittal/coronal mode cuts across the whole volume, which may exceed the dialog's 100 mm.
// Single precision as the volume's physical size, so that a width taken from it is kept exactly.
float CQlmCTCrossFilter9::GetLargestWidth() const {
  float largest = 100.0f;
  if (!this->Input) return largest;
  const int* dimensions = this->Input->GetDimensions();
  const double* spacing = this->Input->GetSpacing();
  for (int axis = 0; axis < 3; ++axis) {
    largest = std::max(largest, std::abs(static_cast<float>(spacing[axis])) * static_cast<float>(dimensions[axis]));
  }
  return largest;
}

void CQlmCTCrossFilter9::SetWidth(float width) {
  // Values from project files may be anything.
  this->SectionWidth = width >= 0.0f ? std::min(width, this->GetLargestWidth()) : 0.0f;
  this->SetInput(this->Input);
  this->Stale = 1;
  this->Recompute(0);
}

void CQlmCTCrossFilter9::SetSpacing(float spacing) {
  // The reformat dialog allows 0.1 .. 5; a spacing of 0 would divide by zero.
  spacing = spacing >= 0.1f ? std::min(spacing, 5.0f) : 0.1f;
  // A MaxIndex of 0 or below would divide by zero: start from the first section then.
  const float ratio = this->MaxIndex > 0 ? static_cast<float>(this->FirstIndex) / this->MaxIndex : 0.0f;
  this->SectionSpacing = spacing;
  this->MaxIndex = this->ComputeMaxIndex();
  this->Stale = 1;
  const int first = std::min(static_cast<int>(std::trunc(this->MaxIndex * ratio)), this->MaxIndex);
  this->FirstIndex = std::clamp(first, 0, std::max(0, this->MaxIndex));
  this->CentreArc = this->FirstIndex * spacing + 4 * spacing;
  this->Recompute(0);
}

void CQlmCTCrossFilter9::SetPosition(int i) {
  if (i == this->FirstIndex || i < 0 || i > this->MaxIndex) return;
  this->Step = i - this->FirstIndex;
  this->FirstIndex = i;
  this->CentreArc = i * this->SectionSpacing + 4 * this->SectionSpacing;
  if (this->Stale) {
    this->Step = 0;
    this->Stale = 0;
  }
  this->Recompute(this->Step);
}

void CQlmCTCrossFilter9::SetFlipY(int flag) {
  this->FlipY = flag;
  this->Stale = 1;
  this->Recompute(0);
}

void CQlmCTCrossFilter9::SetSingleSection(int flag) {
  this->SingleSection = flag;
  if (flag) return;
  this->Step = 0;
  this->Recompute(0);
}

float* CQlmCTCrossFilter9::GetSectionPositions() {
  for (int k = 0; k < SectionCount; ++k) this->SectionPositions[k] = (this->FirstIndex + k) * this->SectionSpacing;
  return this->SectionPositions;
}

int CQlmCTCrossFilter9::ComputeMaxIndex() const {
  if (!this->Calc) return 0;
  return static_cast<int>(std::trunc(this->Calc->GetArchLength() / this->SectionSpacing - 8.0f));
}

void CQlmCTCrossFilter9::Recompute(int step) {
  if (!this->Calc) return;
  const int maxIndex = this->ComputeMaxIndex();
  if (maxIndex != this->MaxIndex) {
    this->MaxIndex = maxIndex;
    this->FirstIndex = std::min(this->FirstIndex, maxIndex);
    this->CentreArc = this->FirstIndex * this->SectionSpacing + 4 * this->SectionSpacing;
    this->Step = step = 0;
  }
  if (this->Held || !this->Geometry.PrepareSampling() || this->Output->GetNumberOfPoints() == 0) return;

  std::vector<int> sections;
  if (this->SingleSection) {
    sections = {4};
  } else if (step >= 1 && step <= 8) {
    this->ShiftSlices(step);
    for (int k = SectionCount - step; k < SectionCount; ++k) sections.push_back(k);
  } else if (step >= -8 && step <= -1) {
    this->ShiftSlices(step);
    for (int k = 0; k < -step; ++k) sections.push_back(k);
  } else {
    for (int k = 0; k < SectionCount; ++k) sections.push_back(k);
  }
  this->SampleSections(sections.data(), static_cast<int>(sections.size()));
  this->Output->Modified();
}

void CQlmCTCrossFilter9::Update() {
  this->Held = 0;
  this->Recompute(0);
}

void CQlmCTCrossFilter9::ShiftSlices(int step) {
  auto* voxels = static_cast<uint16_t*>(this->Output->GetScalarPointer());
  const size_t slice = static_cast<size_t>(this->Columns.Count()) * this->Rows.Count();
  const int kept = SectionCount - std::abs(step);
  if (step > 0) {
    std::memmove(voxels, voxels + step * slice, kept * slice * sizeof(uint16_t));
  } else {
    std::memmove(voxels - step * slice, voxels, kept * slice * sizeof(uint16_t));
  }
}

void CQlmCTCrossFilter9::SampleSections(const int* sections, int count) {
  // Planes on this thread (the geometry and vtkTransform are not shared), voxels on all.
  std::vector<QlmImageSampler::Plane> planes(count);
  for (int n = 0; n < count; ++n) {
    double matrix[16];
    this->Calc->GetSectionMatrix(this->CentreArc + (sections[n] - 4) * this->SectionSpacing, matrix);
    planes[n] = this->Geometry.MakePlane(matrix, this->FlipY != 0);
  }
  auto* voxels = static_cast<uint16_t*>(this->Output->GetScalarPointer());
  const int width = this->Columns.Count();
  const size_t slice = static_cast<size_t>(width) * this->Rows.Count();
  const int bands = (this->Rows.Count() + RowsPerItem - 1) / RowsPerItem;
  QlmParallelFor::Run(count * bands, [&](int item) {
    const int n = item / bands;
    const int firstRow = (item % bands) * RowsPerItem;
    const CQlmResliceGeometry::Range rows{this->Rows.First + firstRow,
                                          std::min(this->Rows.First + firstRow + RowsPerItem - 1, this->Rows.Last)};
    uint16_t* out = voxels + sections[n] * slice + static_cast<size_t>(firstRow) * width;
    this->Geometry.SampleRows(planes[n], rows, this->Columns, out, width);
  });
}
