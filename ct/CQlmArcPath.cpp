#include "ct/CQlmArcPath.h"

#include <vtkPoints.h>

#include <algorithm>
#include <cmath>

namespace {
using Vector2 = std::array<float, 2>;

Vector2 Normalized(Vector2 v) {
  const float length = std::sqrt(v[0] * v[0] + v[1] * v[1]);
  if (length == 0.0f) return v;
  return {v[0] / length, v[1] / length};
}

Vector2 Sum(const Vector2& a, const Vector2& b) { return {a[0] + b[0], a[1] + b[1]}; }

// a + (b - a) * r
Vector2 Blend(const Vector2& a, const Vector2& b, float r) {
  return {a[0] + (b[0] - a[0]) * r, a[1] + (b[1] - a[1]) * r};
}

void SetRows(double matrix[16], std::initializer_list<double> elements) {
  std::copy(elements.begin(), elements.end(), matrix);
}
}  // namespace

CQlmArcPath::CQlmArcPath(vtkPoints* points) {
  const vtkIdType count = points ? points->GetNumberOfPoints() : 0;
  this->Points.reserve(count);
  for (vtkIdType i = 0; i < count; ++i) {
    double p[3];
    points->GetPoint(i, p);
    this->Points.push_back({static_cast<float>(p[0]), static_cast<float>(p[1]), static_cast<float>(p[2])});
  }
  if (this->Points.size() < 2) return;

  float accumulated = 0.0f;
  for (size_t j = 0; j + 1 < this->Points.size(); ++j) {
    const auto& a = this->Points[j];
    const auto& b = this->Points[j + 1];
    const float dx = b[0] - a[0];
    const float dy = b[1] - a[1];
    const float dz = b[2] - a[2];
    const float length = std::sqrt(dx * dx + dy * dy + dz * dz);
    const float planar = std::sqrt(dx * dx + dy * dy);
    this->SegmentStarts.push_back(accumulated);
    this->SegmentLengths.push_back(length);
    this->Directions.push_back(planar > 0.0f ? Vector2{dx / planar, dy / planar} : Vector2{dx, dy});
    if (length > 0.0f) this->Walkable.push_back(static_cast<int>(j));
    accumulated += length;
  }
  this->Length = accumulated;
}

float CQlmArcPath::GetSegmentLength(int i) const {
  return i >= 0 && i < this->GetNumberOfSegments() ? this->SegmentLengths[i] : 0.0f;
}

void CQlmArcPath::GetPointAt(float s, float point[3]) const {
  std::fill(point, point + 3, 0.0f);
  if (this->Points.empty()) return;
  if (this->Walkable.empty()) {
    std::copy(this->Points[0].begin(), this->Points[0].end(), point);
    return;
  }
  int segment = this->Walkable.back();
  const float* origin = this->Points.back().data();
  float along = s - this->Length;
  for (int j : this->Walkable) {
    if (this->SegmentStarts[j] + this->SegmentLengths[j] >= s) {
      segment = j;
      origin = this->Points[j].data();
      along = s - this->SegmentStarts[j];
      break;
    }
  }
  const auto& a = this->Points[segment];
  const auto& b = this->Points[segment + 1];
  for (int k = 0; k < 3; ++k) point[k] = origin[k] + (b[k] - a[k]) * along / this->SegmentLengths[segment];
}

int CQlmArcPath::GetSegmentAt(float s) const {
  for (int j = 0; j < this->GetNumberOfSegments(); ++j) {
    if (this->SegmentStarts[j] + this->SegmentLengths[j] > s) return j;
  }
  return this->GetNumberOfSegments();
}

std::array<float, 2> CQlmArcPath::GetTangentAt(float s) const {
  const int count = static_cast<int>(this->Walkable.size());
  if (count == 0) return {0.0f, 0.0f};
  const auto direction = [this](int k) { return this->Directions[this->Walkable[k]]; };
  if (count == 1) return direction(0);

  const float clamped = std::clamp(s, 0.0f, this->Length);
  if (clamped == this->Length) return direction(count - 1);
  int k = count - 1;
  for (int w = 0; w < count; ++w) {
    const int j = this->Walkable[w];
    if (this->SegmentStarts[j] + this->SegmentLengths[j] >= clamped) {
      k = w;
      break;
    }
  }
  const int j = this->Walkable[k];
  const float start = this->SegmentStarts[j];
  const float half = this->SegmentLengths[j] * 0.5f;
  const Vector2 own = direction(k);
  const bool firstHalf = clamped <= start + half;
  if (k == 0) {
    if (firstHalf) return own;
    const Vector2 bisector = Normalized(Sum(own, direction(1)));
    return Normalized(Blend(own, bisector, (clamped - half) / half));
  }
  if (k == count - 1) {
    if (!firstHalf) return own;
    const Vector2 bisector = Normalized(Sum(direction(k - 1), own));
    return Normalized(Blend(bisector, own, (clamped - start) / half));
  }
  if (firstHalf) return Normalized(Blend(Sum(direction(k - 1), own), own, (clamped - start) / half));
  return Normalized(Blend(own, Sum(own, direction(k + 1)), (clamped - start - half) / half));
}

void CQlmArcPath::GetSectionMatrix(float s, double matrix[16]) const {
  const Vector2 t = this->GetTangentAt(s);
  float p[3];
  this->GetPointAt(s, p);
  SetRows(matrix, {t[1], 0, -t[0], p[0],   //
                   -t[0], 0, -t[1], p[1],  //
                   0, 1, 0, p[2],          //
                   0, 0, 0, 1});
}

void CQlmArcPath::GetSectionLineMatrix(float s, double matrix[16]) const {
  const Vector2 t = this->GetTangentAt(s);
  float p[3];
  this->GetPointAt(s, p);
  SetRows(matrix, {-t[1], t[0], 0, p[0],  //
                   0, 0, -1, p[1],        //
                   t[0], t[1], 0, p[2],   //
                   0, 0, 0, 1});
}

void CQlmArcPath::GetStripMatrix(int i, double matrix[16]) const {
  if (this->GetNumberOfSegments() == 0) {
    SetRows(matrix, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
    return;
  }
  const int segment = std::clamp(i, 0, this->GetNumberOfSegments() - 1);
  const Vector2 t = this->Directions[segment];
  const auto& a = this->Points[segment];
  const auto& b = this->Points[segment + 1];
  const float mx = (a[0] + b[0]) * 0.5f;
  const float my = (a[1] + b[1]) * 0.5f;
  SetRows(matrix, {-t[0], 0, -t[1], mx,  //
                   -t[1], 0, t[0], my,   //
                   0, 1, 0, 0,           //
                   0, 0, 0, 1});
}
