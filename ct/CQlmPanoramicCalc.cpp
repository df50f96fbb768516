#include "ct/CQlmPanoramicCalc.h"

#include <vtkCellArray.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "ct/CQlmArcPath.h"
#include "ct/CQlmPolyLine.h"

namespace {
using Point = std::array<float, 3>;
using Vector2 = std::array<float, 2>;

// Below this |sin| of the turn at a vertex the offset lines count as parallel.
constexpr float ParallelTolerance = 1.0e-6f;
// Keeps a count derived from a tiny spacing inside the int range.
constexpr float LargestCurveCount = 1.0e9f;

vtkPoints* PointsOf(vtkPolyData* polyData) { return polyData ? polyData->GetPoints() : nullptr; }

void SetPolyLinePoints(vtkPolyData* target, const std::vector<Point>& points) {
  vtkNew<vtkPoints> newPoints;
  vtkNew<vtkCellArray> lines;
  lines->InsertNextCell(static_cast<int>(points.size()));
  for (const Point& p : points) lines->InsertCellPoint(newPoints->InsertNextPoint(p.data()));
  target->Initialize();
  target->SetPoints(newPoints);
  target->SetLines(lines);
}

bool IsZero(const Vector2& v) { return v[0] == 0.0f && v[1] == 0.0f; }

// Direction of the nearest segment before (step -1) or from (step +1) `segment`
// that has an extent in the x-y plane.
std::optional<Vector2> NearestDirection(const CQlmArcPath& path, int segment, int step) {
  for (int j = segment; j >= 0 && j < path.GetNumberOfSegments(); j += step) {
    const Vector2 t = path.GetSegmentDirection(j);
    if (!IsZero(t)) return t;
  }
  return std::nullopt;
}

// Where the arch's point i lands on the parallel at distance d: the meeting point
// of the two offset segment lines (mitre join), or the plain offset where they
// are parallel or only one side exists.
Point OffsetPoint(const CQlmArcPath& arch, int i, float d) {
  const float* p = arch.GetPoint(i);
  const std::optional<Vector2> in = NearestDirection(arch, i - 1, -1);
  const std::optional<Vector2> out = NearestDirection(arch, i, +1);
  if (!in && !out) return {p[0], p[1], 0.0f};
  const auto offset = [&](const Vector2& t) { return std::array<double, 2>{p[0] - d * t[1], p[1] + d * t[0]}; };
  if (!in || !out) {
    const auto q = offset(in ? *in : *out);
    return {static_cast<float>(q[0]), static_cast<float>(q[1]), 0.0f};
  }
  const double turn = double((*in)[0]) * (*out)[1] - double((*in)[1]) * (*out)[0];
  const auto b = offset(*out);
  if (std::fabs(turn) < ParallelTolerance) return {static_cast<float>(b[0]), static_cast<float>(b[1]), 0.0f};
  const auto a = offset(*in);
  const double u = ((b[0] - a[0]) * (*out)[1] - (b[1] - a[1]) * (*out)[0]) / turn;
  return {static_cast<float>(a[0] + u * (*in)[0]), static_cast<float>(a[1] + u * (*in)[1]), 0.0f};
}

// Unit 3D direction from point `from` towards the nearest point in direction
// `step` that does not coincide with it; zero when there is none.
Point DirectionToNeighbour(const std::vector<Point>& points, int from, int step) {
  const Point& origin = points[from];
  for (int j = from + step; j >= 0 && j < static_cast<int>(points.size()); j += step) {
    const Point v = {points[j][0] - origin[0], points[j][1] - origin[1], points[j][2] - origin[2]};
    const float length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (length > 0.0f) return {v[0] / length, v[1] / length, v[2] / length};
  }
  return {0.0f, 0.0f, 0.0f};
}

std::vector<Point> CopyPoints(const CQlmArcPath& path) {
  std::vector<Point> points;
  for (int i = 0; i < path.GetNumberOfPoints(); ++i) {
    const float* p = path.GetPoint(i);
    points.push_back({p[0], p[1], p[2]});
  }
  return points;
}

Point PointAt(const CQlmArcPath& path, float s) {
  Point p;
  path.GetPointAt(s, p.data());
  return p;
}
}  // namespace

CQlmPanoramicCalc::CQlmPanoramicCalc() = default;

CQlmPanoramicCalc::~CQlmPanoramicCalc() = default;

void CQlmPanoramicCalc::SetPolyLine(CQlmPolyLine* polyLine) {
  this->PolyLine = polyLine;
  this->ArchPolyData = polyLine ? polyLine->GetLinePolyData() : nullptr;
  this->CurvePolyData->Initialize();
  if (this->ArchPolyData) this->CurvePolyData->DeepCopy(this->ArchPolyData);
  this->UnfittedCurvePolyData->DeepCopy(this->CurvePolyData);
  this->CurrentCurve = this->MiddleCurve;
}

void CQlmPanoramicCalc::SetCurrentCurve(int k) {
  if (k == this->CurrentCurve || k < 0 || k > this->CurveCount) return;
  this->CurrentCurve = k;
  this->ComputeCurve();
}

void CQlmPanoramicCalc::SetNumberOfCurves(int n) {
  if (n <= 0) return;
  const int count = std::max(n - 1, 2);
  if (count == this->CurveCount) return;
  const int middle = count / 2;
  this->CurrentCurve = std::max(std::min(this->CurrentCurve + middle - this->MiddleCurve, count), 0);
  this->MiddleCurve = middle;
  this->CurveCount = count;
  this->ComputeCurve();
}

void CQlmPanoramicCalc::SetCurveSpacing(float spacing) {
  if (!std::isfinite(spacing) || spacing <= 0.0f || spacing == this->CurveSpacing) return;
  const float width = static_cast<float>(this->CurveCount) * this->CurveSpacing / spacing;
  const int count = static_cast<int>(std::min(width, LargestCurveCount));
  const float ratio =
      this->CurveCount > 0 ? static_cast<float>(this->CurrentCurve) / static_cast<float>(this->CurveCount) : 0.0f;
  this->MiddleCurve = count / 2;
  this->CurrentCurve = std::min(static_cast<int>(static_cast<float>(count) * ratio), count);
  this->CurveCount = count;
  this->CurveSpacing = spacing;
  this->ComputeCurve();
}

float CQlmPanoramicCalc::GetArchLength() const { return CQlmArcPath(PointsOf(this->ArchPolyData)).GetLength(); }

float CQlmPanoramicCalc::GetCurveLength() const { return CQlmArcPath(PointsOf(this->CurvePolyData)).GetLength(); }

void CQlmPanoramicCalc::GetArchPoint(float s, float point[3]) const {
  CQlmArcPath(PointsOf(this->ArchPolyData)).GetPointAt(s, point);
}

void CQlmPanoramicCalc::GetCurvePoint(float s, float point[3]) const {
  CQlmArcPath(PointsOf(this->CurvePolyData)).GetPointAt(s, point);
}

int CQlmPanoramicCalc::GetSegmentAt(float s) const {
  return CQlmArcPath(PointsOf(this->CurvePolyData)).GetSegmentAt(s);
}

float CQlmPanoramicCalc::GetSegmentLength(int i) const {
  return CQlmArcPath(PointsOf(this->CurvePolyData)).GetSegmentLength(i);
}

void CQlmPanoramicCalc::GetSectionMatrix(float s, double matrix[16]) const {
  CQlmArcPath(PointsOf(this->ArchPolyData)).GetSectionMatrix(s, matrix);
}

void CQlmPanoramicCalc::GetCurveSectionMatrix(float s, double matrix[16]) const {
  CQlmArcPath(PointsOf(this->CurvePolyData)).GetSectionMatrix(s, matrix);
}

void CQlmPanoramicCalc::GetSectionLineMatrix(float s, double matrix[16]) const {
  CQlmArcPath(PointsOf(this->ArchPolyData)).GetSectionLineMatrix(s, matrix);
}

void CQlmPanoramicCalc::GetStripMatrix(int i, double matrix[16]) const {
  CQlmArcPath(PointsOf(this->CurvePolyData)).GetStripMatrix(i, matrix);
}

void CQlmPanoramicCalc::CopyArchIntoCurve() {
  this->CurvePolyData->Initialize();
  if (this->ArchPolyData) this->CurvePolyData->DeepCopy(this->ArchPolyData);
  this->UnfittedCurvePolyData->DeepCopy(this->CurvePolyData);
  this->HalfLengthCorrection = 0.0f;
}

void CQlmPanoramicCalc::ComputeCurve() {
  if (this->CurrentCurve == this->MiddleCurve || !this->ArchPolyData) {
    this->CopyArchIntoCurve();
    return;
  }
  const float distance = static_cast<float>(this->CurrentCurve - this->MiddleCurve) * this->CurveSpacing;
  const CQlmArcPath arch(PointsOf(this->ArchPolyData));
  std::vector<Point> points;
  for (int i = 0; i < arch.GetNumberOfPoints(); ++i) points.push_back(OffsetPoint(arch, i, distance));
  SetPolyLinePoints(this->CurvePolyData, points);
  this->UnfittedCurvePolyData->DeepCopy(this->CurvePolyData);
  this->FitCurveToArchLength();
}

void CQlmPanoramicCalc::FitCurveToArchLength() {
  const CQlmArcPath curve(PointsOf(this->CurvePolyData));
  const float curveLength = curve.GetLength();
  const float correction = (curveLength - this->GetArchLength()) * 0.5f;
  this->HalfLengthCorrection = correction;
  std::vector<Point> points = CopyPoints(curve);
  if (points.size() < 2) return;

  if (this->CurrentCurve > this->MiddleCurve) {
    const float end = curveLength - correction;
    std::vector<Point> trimmed = {PointAt(curve, correction)};
    for (int j = 0; j < curve.GetNumberOfSegments(); ++j) {
      const float reached = curve.GetSegmentEnd(j);
      if (reached > correction && reached < end) trimmed.push_back(points[j + 1]);
    }
    trimmed.push_back(PointAt(curve, end));
    SetPolyLinePoints(this->CurvePolyData, trimmed);
    return;
  }
  const int last = static_cast<int>(points.size()) - 1;
  const Point forward = DirectionToNeighbour(points, 0, +1);
  const Point backward = DirectionToNeighbour(points, last, -1);
  for (int k = 0; k < 3; ++k) {
    points.front()[k] += forward[k] * correction;
    points.back()[k] += backward[k] * correction;
  }
  SetPolyLinePoints(this->CurvePolyData, points);
}
