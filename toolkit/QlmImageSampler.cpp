#include "toolkit/QlmImageSampler.h"

#include <vtkDataArray.h>
#include <vtkImageData.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkPointData.h>
#include <vtkTransform.h>
#include <vtkType.h>

#include <type_traits>

namespace {

// vtkImageReslice's border: half a voxel beyond the extent is still sampled.
constexpr double BorderThickness = 0.5;

// The fixed-point floor of VTK's interpolators: 16 fraction bits, and values
// within 2^-17 below an integer count as that integer.
constexpr double FloorBias = 103079215104.0;
constexpr long long FloorBiasInteger = 103079215104LL;
constexpr double FloorTolerance = 7.62939453125e-06;

inline int Floor(double x, double& fraction) {
  x += FloorBias + FloorTolerance;
  const long long i = static_cast<long long>(x);
  fraction = x - static_cast<double>(i);
  return static_cast<int>(i - FloorBiasInteger);
}

inline int Round(double x) {
  x += FloorBias + 0.5 + FloorTolerance;
  return static_cast<int>(static_cast<long long>(x) - FloorBiasInteger);
}

// Index clamped into [low, high], relative to low.
inline int Clamp(int a, int low, int high) {
  a = a <= high ? a : high;
  a -= low;
  return a >= 0 ? a : 0;
}

inline void CubicWeights(double w[4], double f) {
  const double fm1 = f - 1;
  const double fd2 = f * 0.5;
  const double ft3 = f * 3;
  w[0] = -fd2 * fm1 * fm1;
  w[1] = ((ft3 - 2) * fd2 - 1) * fm1;
  w[2] = -((ft3 - 4) * f - 1) * fd2;
  w[3] = f * fd2 * fm1;
}

template <class T>
inline __attribute__((always_inline)) double Trilinear(const T* data, const int ext[6], const long long inc[3],
                                                       const double p[3]) {
  double fx, fy, fz;
  int x0 = Floor(p[0], fx);
  int y0 = Floor(p[1], fy);
  int z0 = Floor(p[2], fz);
  int x1 = Clamp(x0 + (fx != 0), ext[0], ext[1]);
  int y1 = Clamp(y0 + (fy != 0), ext[2], ext[3]);
  int z1 = Clamp(z0 + (fz != 0), ext[4], ext[5]);
  x0 = Clamp(x0, ext[0], ext[1]);
  y0 = Clamp(y0, ext[2], ext[3]);
  z0 = Clamp(z0, ext[4], ext[5]);

  const long long i00 = y0 * inc[1] + z0 * inc[2];
  const long long i01 = y0 * inc[1] + z1 * inc[2];
  const long long i10 = y1 * inc[1] + z0 * inc[2];
  const long long i11 = y1 * inc[1] + z1 * inc[2];
  const double rx = 1 - fx;
  const double ry = 1 - fy;
  const double rz = 1 - fz;
  const double ryrz = ry * rz;
  const double fyrz = fy * rz;
  const double ryfz = ry * fz;
  const double fyfz = fy * fz;
  const T* p0 = data + x0 * inc[0];
  const T* p1 = data + x1 * inc[0];
  // Same operation order as VTK, so the sums round alike.
  return rx * (ryrz * p0[i00] + ryfz * p0[i01] + fyrz * p0[i10] + fyfz * p0[i11]) +
         fx * (ryrz * p1[i00] + ryfz * p1[i01] + fyrz * p1[i10] + fyfz * p1[i11]);
}

template <class T>
inline __attribute__((always_inline)) double Tricubic(const T* data, const int ext[6], const long long inc[3],
                                                      const double p[3]) {
  double fx, fy, fz;
  const int x0 = Floor(p[0], fx);
  const int y0 = Floor(p[1], fy);
  const int z0 = Floor(p[2], fz);
  long long offX[4], offY[4], offZ[4];
  for (int k = 0; k < 4; ++k) {
    offX[k] = Clamp(x0 - 1 + k, ext[0], ext[1]) * inc[0];
    offY[k] = Clamp(y0 - 1 + k, ext[2], ext[3]) * inc[1];
    offZ[k] = Clamp(z0 - 1 + k, ext[4], ext[5]) * inc[2];
  }
  double wx[4], wy[4], wz[4];
  CubicWeights(wx, fx);
  CubicWeights(wy, fy);
  CubicWeights(wz, fz);
  // A flat axis or a zero fraction uses only the centre weight, as VTK does.
  const int manyY = (ext[2] != ext[3]) && fy != 0;
  const int manyZ = (ext[4] != ext[5]) && fz != 0;
  if (!manyY) wy[1] = 1;
  if (!manyZ) wz[1] = 1;
  double value = 0;
  for (int k = 1 - manyZ; k <= 1 + 2 * manyZ; ++k) {
    for (int j = 1 - manyY; j <= 1 + 2 * manyY; ++j) {
      const double w = wz[k] * wy[j];
      const T* row = data + offZ[k] + offY[j];
      value += w * (wx[0] * row[offX[0]] + wx[1] * row[offX[1]] + wx[2] * row[offX[2]] + wx[3] * row[offX[3]]);
    }
  }
  return value;
}

template <class T>
constexpr double TypeMin() {
  return std::is_signed_v<T> ? -32768.0 : 0.0;
}

template <class T>
constexpr double TypeMax() {
  return std::is_signed_v<T> ? 32767.0 : 65535.0;
}

}  // namespace

QlmImageSampler::QlmImageSampler(vtkImageData* volume, Interpolation mode) : Mode(mode) {
  if (!volume) return;
  vtkDataArray* scalars = volume->GetPointData() ? volume->GetPointData()->GetScalars() : nullptr;
  const int type = volume->GetScalarType();
  if (!scalars || scalars->GetNumberOfComponents() != 1 || (type != VTK_SHORT && type != VTK_UNSIGNED_SHORT)) return;
  volume->GetExtent(this->Extent);
  if (this->Extent[1] < this->Extent[0] || this->Extent[3] < this->Extent[2] || this->Extent[5] < this->Extent[4]) {
    return;
  }
  volume->GetSpacing(this->Spacing);
  volume->GetOrigin(this->VolumeOrigin);
  this->Increments[0] = 1;
  this->Increments[1] = this->Extent[1] - this->Extent[0] + 1;
  this->Increments[2] = this->Increments[1] * (this->Extent[3] - this->Extent[2] + 1);
  for (int axis = 0; axis < 3; ++axis) {
    this->Bounds[2 * axis] = this->Extent[2 * axis] - BorderThickness;
    this->Bounds[2 * axis + 1] = this->Extent[2 * axis + 1] + BorderThickness;
  }
  this->ScalarType = type;
  this->Scalars = volume->GetScalarPointer();
}

QlmImageSampler::Plane QlmImageSampler::MakePlane(vtkMatrix4x4* resliceTransform, const double outputSpacing[3],
                                                  const double outputOrigin[3]) const {
  // vtkImageReslice's index matrix: output index -> output coordinates ->
  // reslice transform -> input coordinates -> input index.
  vtkNew<vtkMatrix4x4> toInputIndex;
  vtkNew<vtkMatrix4x4> fromOutputIndex;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      const double direction = i == j ? 1.0 : 0.0;
      toInputIndex->Element[i][j] = direction / this->Spacing[i];
      toInputIndex->Element[i][3] -= direction * this->VolumeOrigin[j] / this->Spacing[i];
      fromOutputIndex->Element[i][j] = direction * outputSpacing[j];
    }
    fromOutputIndex->Element[i][3] = outputOrigin[i];
  }
  vtkNew<vtkTransform> transform;
  transform->PostMultiply();
  transform->Concatenate(resliceTransform);
  transform->PreMultiply();
  transform->Concatenate(fromOutputIndex);
  transform->PostMultiply();
  transform->Concatenate(toInputIndex);
  vtkNew<vtkMatrix4x4> index;
  transform->GetMatrix(index);

  Plane plane;
  for (int i = 0; i < 3; ++i) {
    plane.XAxis[i] = index->GetElement(i, 0);
    plane.YAxis[i] = index->GetElement(i, 1);
    // The output z index is 0: VTK still adds 0 * z axis to the origin.
    plane.Origin[i] = index->GetElement(i, 3) + 0 * index->GetElement(i, 2);
  }
  return plane;
}

template <class T, QlmImageSampler::Interpolation Mode>
inline __attribute__((always_inline)) uint16_t QlmImageSampler::Sample(const double p[3]) const {
  const double* b = this->Bounds;
  if (p[0] < b[0] || p[0] > b[1] || p[1] < b[2] || p[1] > b[3] || p[2] < b[4] || p[2] > b[5]) return 0;
  const T* data = static_cast<const T*>(this->Scalars);
  if constexpr (Mode == Interpolation::Linear) {
    return static_cast<uint16_t>(static_cast<T>(Round(Trilinear(data, this->Extent, this->Increments, p))));
  } else {
    double value = Tricubic(data, this->Extent, this->Increments, p);
    value = value > TypeMin<T>() ? value : TypeMin<T>();
    value = value < TypeMax<T>() ? value : TypeMax<T>();
    return static_cast<uint16_t>(static_cast<T>(Round(value)));
  }
}

template <class T, QlmImageSampler::Interpolation Mode>
void QlmImageSampler::SampleRowOf(const Plane& plane, int y, int x0, int x1, uint16_t* out) const {
  double row[3];
  for (int i = 0; i < 3; ++i) row[i] = plane.Origin[i] + y * plane.YAxis[i];
  for (int x = x0; x <= x1; ++x) {
    const double point[3] = {row[0] + x * plane.XAxis[0], row[1] + x * plane.XAxis[1], row[2] + x * plane.XAxis[2]};
    *out++ = this->Sample<T, Mode>(point);
  }
}

void QlmImageSampler::SampleRow(const Plane& plane, int y, int x0, int x1, uint16_t* out) const {
  const bool linear = this->Mode == Interpolation::Linear;
  if (this->ScalarType == VTK_SHORT) {
    linear ? this->SampleRowOf<short, Interpolation::Linear>(plane, y, x0, x1, out)
           : this->SampleRowOf<short, Interpolation::Cubic>(plane, y, x0, x1, out);
  } else {
    linear ? this->SampleRowOf<unsigned short, Interpolation::Linear>(plane, y, x0, x1, out)
           : this->SampleRowOf<unsigned short, Interpolation::Cubic>(plane, y, x0, x1, out);
  }
}

uint16_t QlmImageSampler::SampleAt(const double index[3]) const {
  const bool linear = this->Mode == Interpolation::Linear;
  if (this->ScalarType == VTK_SHORT) {
    return linear ? this->Sample<short, Interpolation::Linear>(index)
                  : this->Sample<short, Interpolation::Cubic>(index);
  }
  return linear ? this->Sample<unsigned short, Interpolation::Linear>(index)
                : this->Sample<unsigned short, Interpolation::Cubic>(index);
}
