#include "ct/CQlmCTPanFilter.h"

#include "ct/CQlmPanoramicCalc.h"
#include "libconvert/CQlmObserver.h"
#include "platform/CString.h"
#include "platform/QlmParallelFor.h"

#include <vtkImageData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Rows sampled by one work item of the thin panoramic.
constexpr int RowsPerItem = 16;

// trunc(x) as an int; 0 for what is not a finite number.
int TruncatedPixels(double x) { return std::isfinite(x) ? static_cast<int>(std::trunc(x)) : 0; }

// One vertical strip of the thin panoramic.
struct Strip {
  CQlmResliceGeometry::Range Columns;
  int Offset = 0;              // first output column
  double SegmentCentre = 0.0;  // the segment's middle: arc length from the curve's middle
  QlmImageSampler::Plane Plane{};
};

// x of the thin panoramic's first column. A strip's columns lie along its
// segment, centred on the segment's middle; their whole-pixel widths let the
// strips lie only near their segments' places along the curve, so the image
// goes where the largest of these misplacements is smallest.
double ThinOrigin(const std::vector<Strip>& strips, const CQlmResliceGeometry& geometry) {
  if (strips.empty()) return 0.0;
  double lowest = 0.0;
  double highest = 0.0;
  for (size_t i = 0; i < strips.size(); ++i) {
    const Strip& strip = strips[i];
    const double origin = geometry.ColumnPosition(strip.Columns.First) + strip.SegmentCentre -
                          strip.Offset * static_cast<double>(geometry.GetSpacing()[0]);
    lowest = i == 0 ? origin : std::min(lowest, origin);
    highest = i == 0 ? origin : std::max(highest, origin);
  }
  return (lowest + highest) / 2;
}

void Report(CQlmObserver* observer, long current, unsigned int total) {
  if (observer) observer->SendMessageA(&current, &total, 0);
}

}  // namespace

void CQlmCTPanFilter::SetInput(vtkImageData* volume) {
  this->Input = volume;
  this->Geometry.SetVolume(volume, QlmImageSampler::Interpolation::Linear);
  if (this->Calc) this->Update();
}

void CQlmCTPanFilter::SetCalc(CQlmPanoramicCalc* calc) {
  this->Calc = calc;
  this->CurveLength = calc ? calc->GetCurveLength() : 0.0f;
  if (this->Input) this->Update();
}

void CQlmCTPanFilter::Update() {
  if (!this->Calc || !this->Input) return;
  if (!this->Thick) {
    this->BuildThin();
    return;
  }
  if (this->Dirty) this->BuildThick();
  this->Output->DeepCopy(this->ThickResult);
  this->Output->Modified();
}

void CQlmCTPanFilter::SetFlipY(int flag) {
  this->FlipY = flag;
  this->Update();
}

float CQlmCTPanFilter::GetCurveOffset() const {
  if (!this->Calc) return 0.0f;
  return static_cast<float>(this->Calc->GetCurrentCurve() - this->Calc->GetMiddleCurve()) *
         this->Calc->GetCurveSpacing();
}

void CQlmCTPanFilter::SetThickness(float thickness) {
  thickness = thickness >= 1.0f ? std::min(thickness, 50.0f) : 1.0f;
  if (thickness == this->Thickness) return;
  this->Thickness = thickness;
  this->Dirty = 1;
}

void CQlmCTPanFilter::SetThickMode(int mode) {
  mode = std::clamp(mode, 0, 2);
  if (mode == this->ThickMode) return;
  this->ThickMode = mode;
  this->Dirty = 1;
}

uint16_t CQlmCTPanFilter::ReduceRow(uint64_t sum, int count, uint16_t maximum, int mode) {
  const float mean = static_cast<float>(sum) / static_cast<float>(count);
  double mapped = 0.0;
  if (mean > 2199.0f) {
    mapped = 4095.0;
  } else if (mean > 600.0f) {
    mapped = ((mean - 1399.5) / 1599.0 + 0.5) * 4095.0;
  }
  switch (mode) {
    case 0:
      return static_cast<uint16_t>(static_cast<int>(mapped));
    case 1:
      return maximum;
    default:
      return static_cast<uint16_t>(static_cast<int>((static_cast<float>(mapped) + maximum) * 0.5f));
  }
}

void CQlmCTPanFilter::BuildThin() {
  const bool canSample = this->Geometry.PrepareSampling();
  const float* spacing = this->Geometry.GetSpacing();
  vtkPoints* points = this->Calc->GetCurvePolyData()->GetPoints();
  const int segments = points ? std::max(0, static_cast<int>(points->GetNumberOfPoints()) - 1) : 0;
  const CQlmResliceGeometry::Range rows = this->Geometry.HeightRows(CQlmResliceGeometry::Precision::Single);
  const int* dimensions = this->Geometry.GetDimensions();
  const int* extent = this->Geometry.GetExtent();

  double curveLength = 0.0;
  for (int i = 0; i < segments; ++i) curveLength += this->Calc->GetSegmentLength(i);

  // Strip widths with the fractions carried from strip to strip.
  std::vector<Strip> strips;
  int width = 0;
  float carry = 0.0f;
  double start = 0.0;  // arc length at the segment's start
  for (int i = 0; i < segments; ++i) {
    const float segmentLength = this->Calc->GetSegmentLength(i);
    const double segmentCentre = start + segmentLength / 2.0 - curveLength / 2;
    start += segmentLength;
    const float q = segmentLength / spacing[0] + 0.5f;
    const int l = TruncatedPixels(q);
    carry += q - static_cast<float>(l);
    const int o = (dimensions[0] - l) / 2;
    Strip strip;
    strip.Columns = {extent[0] + o + (l % 2 != 0 ? 1 : 0), extent[1] - o};
    if (carry >= 1.0f) {
      ++strip.Columns.Last;
      carry -= 1.0f;
    }
    if (strip.Columns.Count() == 0) continue;
    strip.SegmentCentre = segmentCentre;
    strip.Offset = width;
    width += strip.Columns.Count();
    if (canSample) {
      double matrix[16];
      this->Calc->GetStripMatrix(i, matrix);
      strip.Plane = this->Geometry.MakePlane(matrix, this->FlipY != 0);
    }
    strips.push_back(strip);
  }

  this->Output->Initialize();
  this->Output->SetDimensions(width, rows.Count(), 1);
  this->Output->SetSpacing(spacing[0], spacing[1], spacing[2]);
  this->Output->SetOrigin(ThinOrigin(strips, this->Geometry), this->Geometry.RowPosition(rows.First), 0.0);
  this->Output->AllocateScalars(this->Geometry.GetScalarType(), std::max(1, this->Geometry.GetNumberOfComponents()));
  if (canSample && this->Output->GetNumberOfPoints() > 0) {
    auto* voxels = static_cast<uint16_t*>(this->Output->GetScalarPointer());
    const int bands = (rows.Count() + RowsPerItem - 1) / RowsPerItem;
    QlmParallelFor::Run(static_cast<int>(strips.size()) * bands, [&](int item) {
      const Strip& strip = strips[item / bands];
      const int firstRow = (item % bands) * RowsPerItem;
      const CQlmResliceGeometry::Range band{rows.First + firstRow,
                                            std::min(rows.First + firstRow + RowsPerItem - 1, rows.Last)};
      uint16_t* out = voxels + static_cast<size_t>(firstRow) * width + strip.Offset;
      this->Geometry.SampleRows(strip.Plane, band, strip.Columns, out, width);
    });
  }
  this->Output->Modified();
}

void CQlmCTPanFilter::BuildThick() {
  const float* spacing = this->Geometry.GetSpacing();
  const CQlmResliceGeometry::Range columns =
      this->Geometry.CentredColumns(TruncatedPixels(static_cast<double>(this->Thickness) / spacing[0] + 0.5));
  const CQlmResliceGeometry::Range rows = this->Geometry.HeightRows(CQlmResliceGeometry::Precision::Double);

  // Slab positions: every x spacing along the arch, accumulated by addition.
  const float length = this->Calc->GetArchLength();
  const float step = spacing[0];
  std::vector<float> arcs;
  if (step > 0.0f) {
    for (float s = 0.0f; s <= length; s += step) arcs.push_back(s);
  }
  const int slabs = static_cast<int>(arcs.size());

  if (this->ProgressObserver) this->ProgressObserver->SetText(CString("Calculando Espessura Panorâmica"));

  // Each slab row reduced to its sum and maximum. Rows go to the threads and
  // every row runs through all slabs: neighbouring slabs read nearly the same
  // voxels, which are then still in the cache.
  const int height = rows.Count();
  const int count = columns.Count();
  std::vector<uint64_t> sums(static_cast<size_t>(slabs) * height);
  std::vector<uint16_t> maxima(sums.size());
  int reportedSlabs = 0;
  auto reportSlabsUpTo = [&](int done) {
    for (; reportedSlabs < done; ++reportedSlabs) {
      Report(this->ProgressObserver, static_cast<long>(arcs[reportedSlabs]), static_cast<unsigned int>(length));
    }
  };
  if (this->Geometry.PrepareSampling() && count > 0 && height > 0) {
    std::vector<QlmImageSampler::Plane> planes(slabs);
    for (int j = 0; j < slabs; ++j) {
      double matrix[16];
      this->Calc->GetSectionMatrix(arcs[j], matrix);
      planes[j] = this->Geometry.MakePlane(matrix, this->FlipY != 0);
    }
    QlmParallelFor::Run(
        height,
        [&](int y) {
          std::vector<uint16_t> row(count);
          for (int j = 0; j < slabs; ++j) {
            this->Geometry.SampleRows(planes[j], {rows.First + y, rows.First + y}, columns, row.data(), count);
            uint64_t sum = 0;
            uint16_t maximum = 0;
            for (const uint16_t voxel : row) {
              sum += voxel;
              maximum = std::max(maximum, voxel);
            }
            sums[static_cast<size_t>(y) * slabs + j] = sum;
            maxima[static_cast<size_t>(y) * slabs + j] = maximum;
          }
        },
        // The slabs' progress in step with the share of the sampling done.
        [&](int y) { reportSlabsUpTo(static_cast<int>(static_cast<long long>(y + 1) * slabs / height)); });
  }
  reportSlabsUpTo(slabs);

  this->ThickResult->Initialize();
  this->ThickResult->SetExtent(0, slabs - 1, rows.First, rows.Last, 0, 0);
  this->ThickResult->SetSpacing(spacing[0], spacing[1], spacing[2]);
  // Slab j lies at arc length j x spacing x along the arch.
  this->ThickResult->SetOrigin(-static_cast<double>(length) / 2, this->Geometry.RowPosition(0), 0.0);
  this->ThickResult->AllocateScalars(this->Geometry.GetScalarType(),
                                     std::max(1, this->Geometry.GetNumberOfComponents()));
  if (this->ThickResult->GetNumberOfPoints() > 0) {
    auto* pixels = static_cast<uint16_t*>(this->ThickResult->GetScalarPointer());
    QlmParallelFor::Run(
        height,
        [&](int y) {
          for (int j = 0; j < slabs; ++j) {
            const size_t at = static_cast<size_t>(y) * slabs + j;
            pixels[at] = count > 0 ? ReduceRow(sums[at], count, maxima[at], this->ThickMode) : 0;
          }
        },
        [&](int y) { Report(this->ProgressObserver, y, static_cast<unsigned int>(height - 1)); });
  }

  this->Dirty = 0;
  if (this->ProgressObserver) {
    Report(this->ProgressObserver, -1, 1);  // no step of one done: the progress bar shows 0
    this->ProgressObserver->SetText(CString("Pronto"));
  }
}
