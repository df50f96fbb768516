#include "CTFilterFixtures.h"

#include "ct/CQlmCTPanFilter.h"

#include <vtkImageAppend.h>
#include <vtkImageReslice.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkTransform.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <sstream>

namespace {

struct VolumeFacts {
  int Dims[3], Extent[6];
  float Spacing[3], Origin[3], Centre[3], Height;
  explicit VolumeFacts(vtkImageData* volume) {
    volume->GetDimensions(this->Dims);
    volume->GetExtent(this->Extent);
    for (int a = 0; a < 3; ++a) {
      this->Spacing[a] = static_cast<float>(volume->GetSpacing()[a]);
      this->Origin[a] = static_cast<float>(volume->GetOrigin()[a]);
      this->Centre[a] = this->Origin[a] + static_cast<float>(this->Dims[a] - 1) * this->Spacing[a] / 2.0f;
    }
    this->Height = static_cast<float>(this->Dims[2]) * this->Spacing[2];
  }
  // y from y start + dimension y div 2 - v to y end - dimension y div 2 + v, +1 when H is odd.
  void Rows(int h, int& first, int& last) const {
    const int v = static_cast<int>(h * 0.5);
    first = this->Extent[2] + this->Dims[1] / 2 - v;
    last = this->Extent[3] - this->Dims[1] / 2 + v + (h % 2 != 0 ? 1 : 0);
  }
};

vtkSmartPointer<vtkImageData> ReslicePlane(vtkImageData* volume, const VolumeFacts& facts, const double matrix[16],
                                           bool flipY, const int extent[6], bool cubic) {
  vtkNew<vtkMatrix4x4> placement;
  placement->DeepCopy(matrix);
  if (flipY) CQlmCTPanFilter::FlipMatrixY(placement);
  vtkNew<vtkTransform> transform;
  transform->Identity();
  transform->Translate(facts.Centre[0], facts.Centre[1], facts.Centre[2]);
  transform->Concatenate(placement);
  vtkNew<vtkImageReslice> reslice;
  reslice->SetInputData(volume);
  reslice->SetResliceTransform(transform);
  reslice->SetBackgroundLevel(0);
  if (cubic) {
    reslice->SetInterpolationModeToCubic();
  } else {
    reslice->SetInterpolationModeToLinear();
  }
  reslice->SetOutputSpacing(facts.Spacing[0], facts.Spacing[1], facts.Spacing[2]);
  reslice->SetOutputOrigin(facts.Origin[0] - facts.Centre[0], facts.Origin[1] - facts.Centre[1], 0.0);
  reslice->SetOutputExtent(extent);
  reslice->Update();
  return reslice->GetOutput();
}

uint16_t VoxelBits(vtkImageData* image, int x, int y, int z) {
  uint16_t bits;
  std::memcpy(&bits, image->GetScalarPointer(x, y, z), 2);
  return bits;
}

}  // namespace

vtkSmartPointer<vtkImageData> PatternVolume(int dimX, int dimY, int dimZ, double spacingX, double spacingY,
                                            double spacingZ, int scalarType) {
  auto volume = vtkSmartPointer<vtkImageData>::New();
  volume->SetDimensions(dimX, dimY, dimZ);
  volume->SetSpacing(spacingX, spacingY, spacingZ);
  volume->SetOrigin(-7.5, 3.25, -20.0);
  volume->AllocateScalars(scalarType, 1);
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> noise(0, 120);
  auto* voxels = static_cast<uint16_t*>(volume->GetScalarPointer());
  for (int z = 0; z < dimZ; ++z)
    for (int y = 0; y < dimY; ++y)
      for (int x = 0; x < dimX; ++x) {
        const double ring = std::sin(x * spacingX * 0.21) * std::cos(y * spacingY * 0.17) + 0.02 * z * spacingZ;
        const int value = std::clamp(static_cast<int>(1400 + 1300 * ring) + noise(random), 0, 4010);
        *voxels++ = static_cast<uint16_t>(value);
      }
  return volume;
}

vtkSmartPointer<vtkImageData> ShapeOnlyVolume(int dimX, int dimY, int dimZ, double spacing) {
  auto volume = vtkSmartPointer<vtkImageData>::New();
  volume->SetDimensions(dimX, dimY, dimZ);
  volume->SetSpacing(spacing, spacing, spacing);
  return volume;
}

ReferencePanoramic ReferenceThin(vtkImageData* volume, CQlmPanoramicCalc& calc, bool flipY) {
  const VolumeFacts facts(volume);
  ReferencePanoramic result;
  vtkNew<vtkImageAppend> append;
  append->SetAppendAxis(0);
  int yFirst, yLast;
  facts.Rows(static_cast<int>(std::trunc(facts.Height / facts.Spacing[1] + 0.5f)), yFirst, yLast);
  float r = 0.0f;
  const int segments = static_cast<int>(calc.GetCurvePolyData()->GetNumberOfPoints()) - 1;
  for (int i = 0; i < segments; ++i) {
    const float q = calc.GetSegmentLength(i) / facts.Spacing[0] + 0.5f;
    const int l = static_cast<int>(std::trunc(q));
    r = r + (q - static_cast<float>(l));
    const int o = (facts.Dims[0] - l) / 2;
    int extent[6] = {facts.Extent[0] + o, facts.Extent[1] - o, yFirst, yLast, 0, 0};
    if (l % 2 != 0) ++extent[0];
    if (r >= 1.0f) {
      ++extent[1];
      r = r - 1.0f;
    }
    double matrix[16];
    calc.GetStripMatrix(i, matrix);
    append->AddInputData(ReslicePlane(volume, facts, matrix, flipY, extent, false));
    result.StripWidths.push_back(extent[1] - extent[0] + 1);
  }
  append->Update();
  result.Image = append->GetOutput();
  return result;
}

ReferencePanoramic ReferenceThick(vtkImageData* volume, CQlmPanoramicCalc& calc, bool flipY, float thickness,
                                  int mode) {
  const VolumeFacts facts(volume);
  ReferencePanoramic result;
  const int h = static_cast<int>(std::trunc(static_cast<double>(thickness) / facts.Spacing[0] + 0.5));
  const int o = (facts.Dims[0] - h) / 2;
  result.SlabFirst = facts.Extent[0] + o;
  result.SlabLast = facts.Extent[1] - o + (h % 2 != 0 ? 1 : 0);
  int yFirst, yLast;
  facts.Rows(static_cast<int>(std::trunc(static_cast<double>(facts.Height) / facts.Spacing[1] + 0.5)), yFirst, yLast);
  const int extent[6] = {result.SlabFirst, result.SlabLast, yFirst, yLast, 0, 0};

  vtkNew<vtkImageAppend> append;
  append->SetAppendAxis(2);
  const float length = calc.GetArchLength();
  for (float s = 0.0f; s <= length; s += facts.Spacing[0]) {
    double matrix[16];
    calc.GetSectionMatrix(s, matrix);
    append->AddInputData(ReslicePlane(volume, facts, matrix, flipY, extent, false));
  }
  append->Update();
  vtkImageData* slabs = append->GetOutput();
  int e[6];
  slabs->GetExtent(e);
  result.Image = vtkSmartPointer<vtkImageData>::New();
  result.Image->SetExtent(e[4], e[5], e[2], e[3], 0, 0);
  result.Image->AllocateScalars(volume->GetScalarType(), 1);
  for (int y = e[2]; y <= e[3]; ++y) {
    for (int j = e[4]; j <= e[5]; ++j) {
      unsigned sum = 0;
      unsigned maximum = 0;
      for (int k = e[0]; k <= e[1]; ++k) {
        const unsigned v = VoxelBits(slabs, k, y, j);
        sum += v;
        maximum = std::max(maximum, v);
      }
      const float m = static_cast<float>(sum) / static_cast<float>(e[1] - e[0] + 1);
      double mapped = m <= 600 ? 0.0 : m > 2199 ? 4095.0 : ((m - 1399.5) / 1599.0 + 0.5) * 4095.0;
      const int stored = mode == 0   ? static_cast<int>(mapped)
                         : mode == 1 ? static_cast<int>(maximum)
                                     : static_cast<int>((static_cast<float>(mapped) + maximum) * 0.5f);
      const auto bits = static_cast<uint16_t>(stored);
      std::memcpy(result.Image->GetScalarPointer(j, y, 0), &bits, 2);
    }
  }
  return result;
}

vtkSmartPointer<vtkImageData> ReferenceSections(vtkImageData* volume, CQlmPanoramicCalc& calc, bool flipY, float width,
                                                float spacing, int first) {
  const VolumeFacts facts(volume);
  const int m = static_cast<int>(std::trunc(static_cast<double>(width) / facts.Spacing[0] + 0.5));
  const int o = (facts.Dims[0] - m) / 2;
  int extent[6] = {facts.Extent[0] + o, facts.Extent[1] - o + (m % 2 != 0 ? 1 : 0), 0, 0, 0, 0};
  const double h = static_cast<double>(facts.Dims[2]) * facts.Spacing[2] / facts.Spacing[1] + 0.5;
  facts.Rows(static_cast<int>(std::trunc(h)), extent[2], extent[3]);
  vtkNew<vtkImageAppend> append;
  append->SetAppendAxis(2);
  const float centre = first * spacing + 4 * spacing;
  for (int k = 0; k < 9; ++k) {
    double matrix[16];
    calc.GetSectionMatrix(centre + (k - 4) * spacing, matrix);
    append->AddInputData(ReslicePlane(volume, facts, matrix, flipY, extent, true));
  }
  append->Update();
  return append->GetOutput();
}

std::string VoxelDifference(vtkImageData* actual, vtkImageData* expected) {
  int a[3], e[3];
  actual->GetDimensions(a);
  expected->GetDimensions(e);
  std::ostringstream out;
  if (a[0] != e[0] || a[1] != e[1] || a[2] != e[2]) {
    out << "dimensions " << a[0] << "x" << a[1] << "x" << a[2] << " instead of " << e[0] << "x" << e[1] << "x" << e[2];
    return out.str();
  }
  const auto* av = static_cast<const uint16_t*>(actual->GetScalarPointer());
  const auto* ev = static_cast<const uint16_t*>(expected->GetScalarPointer());
  const vtkIdType count = actual->GetNumberOfPoints();
  int differing = 0;
  for (vtkIdType i = 0; i < count; ++i) {
    if (av[i] == ev[i]) continue;
    if (++differing <= 3) {
      out << "voxel " << i % a[0] << "," << (i / a[0]) % a[1] << "," << i / (static_cast<vtkIdType>(a[0]) * a[1])
          << ": " << av[i] << " instead of " << ev[i] << "; ";
    }
  }
  if (differing) out << differing << " of " << count << " voxels differ";
  return out.str();
}
