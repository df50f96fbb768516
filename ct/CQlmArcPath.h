#pragma once
// A polyline's points in single precision with the arc-length queries that the
// arch geometry and the polylines share: segment lengths, the point and the
// tangent at an arc length, and the placement matrices built on them.
//
// Segment j runs from point j to point j + 1. Its direction is taken in the
// x-y plane; a segment without extent there has a zero direction. The point
// and tangent queries skip coincident points (zero-length segments).
// Matrices are 16 doubles, row-major, origin in elements 3, 7 and 11.
#include <array>
#include <vector>

class vtkPoints;

class CQlmArcPath {
public:
  // Copies the points; null gives an empty path.
  explicit CQlmArcPath(vtkPoints* points);

  int GetNumberOfPoints() const { return static_cast<int>(this->Points.size()); }
  int GetNumberOfSegments() const { return static_cast<int>(this->SegmentLengths.size()); }
  const float* GetPoint(int index) const { return this->Points[index].data(); }

  // Sum of the 3D segment lengths, accumulated in order; -1 with fewer than 2 points.
  float GetLength() const { return this->Length; }
  // Length of segment i; 0 for an index that names no segment.
  float GetSegmentLength(int i) const;
  // Arc length at the end of segment i (accumulated in order).
  float GetSegmentEnd(int i) const { return this->SegmentStarts[i] + this->SegmentLengths[i]; }
  // Unit direction of segment i in the x-y plane, zero when it has no extent there.
  std::array<float, 2> GetSegmentDirection(int i) const { return this->Directions[i]; }

  // Point at arc length s, linear on the first segment that reaches s;
  // before the start and beyond the end it continues the end segments.
  void GetPointAt(float s, float point[3]) const;
  // First segment whose end lies beyond s; the number of segments when s >= length.
  int GetSegmentAt(float s) const;
  // Direction in the x-y plane at arc length s (clamped to the path), blended
  // from each segment's own direction at its midpoint to the bisector at its vertices.
  std::array<float, 2> GetTangentAt(float s) const;

  // Vertical cross-section plane at s: local x across the path to the right,
  // local y up, local z against the direction of travel.
  void GetSectionMatrix(float s, double matrix[16]) const;
  // Cross-section line on the axial view at s: element 0 and element 8 give
  // the left normal (x, y), elements 3, 7, 11 the point.
  void GetSectionLineMatrix(float s, double matrix[16]) const;
  // Vertical strip through segment i (clamped to the segments): local x
  // backwards along it, local y up, local z to its left; origin at the
  // segment's x-y midpoint with z = 0. Identity with fewer than 2 points.
  void GetStripMatrix(int i, double matrix[16]) const;

private:
  std::vector<std::array<float, 3>> Points;
  std::vector<float> SegmentLengths;
  std::vector<float> SegmentStarts;
  std::vector<std::array<float, 2>> Directions;
  // Segments of non-zero length, in order.
  std::vector<int> Walkable;
  float Length = -1.0f;
};
