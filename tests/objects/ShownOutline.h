#pragma once
// Outlines as a 2D view shows them, for the drag tables: the segments of an
// outline through the actors' user transform, compared within a tolerance.
#include <gtest/gtest.h>
#include <vtkCellArray.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkTransform.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

// The 16 values of `matrix`, row by row.
inline std::vector<double> Elements(vtkMatrix4x4* matrix) { return {matrix->GetData(), matrix->GetData() + 16}; }

// A drag in a view's frame: a move of (dx, dy), then a turn of `degrees` about the view's z; 16 values row by row.
inline std::vector<double> DragElements(double dx, double dy, double degrees) {
  vtkNew<vtkTransform> drag;
  drag->Translate(dx, dy, 0);
  drag->RotateZ(degrees);
  return Elements(drag->GetMatrix());
}

// An outline's line segments as shown: every point through the actors' user transform.
using Segments = std::vector<std::array<double, 4>>;

inline Segments Shown(vtkPolyData* outline, vtkTransform* user) {
  Segments segments;
  vtkCellArray* lines = outline->GetLines();
  if (!lines) return segments;
  const vtkIdType* ids;
  vtkIdType count;
  for (lines->InitTraversal(); lines->GetNextCell(count, ids);) {
    for (vtkIdType k = 0; k + 1 < count; ++k) {
      double a[3], b[3];
      user->TransformPoint(outline->GetPoint(ids[k]), a);
      user->TransformPoint(outline->GetPoint(ids[k + 1]), b);
      segments.push_back({a[0], a[1], b[0], b[1]});
    }
  }
  return segments;
}

inline double Distance(double x, double y, const std::array<double, 4>& s) {
  const double dx = s[2] - s[0], dy = s[3] - s[1];
  const double length2 = dx * dx + dy * dy;
  const double t = length2 > 0 ? std::clamp(((x - s[0]) * dx + (y - s[1]) * dy) / length2, 0.0, 1.0) : 0.0;
  return std::hypot(x - s[0] - t * dx, y - s[1] - t * dy);
}

// The farthest any segment end of `a` lies from the lines of `b`.
inline double Farthest(const Segments& a, const Segments& b) {
  double farthest = 0;
  for (const auto& segment : a) {
    for (int end = 0; end < 4; end += 2) {
      double nearest = HUGE_VAL;
      for (const auto& other : b) nearest = std::min(nearest, Distance(segment[end], segment[end + 1], other));
      farthest = std::max(farthest, nearest);
    }
  }
  return farthest;
}

// The same lines within 0.01 mm (the cut of a turned polygon may split a line at other points).
inline void ExpectSameOutline(const Segments& preview, const Segments& committed) {
  ASSERT_GT(preview.size(), 0u);
  ASSERT_GT(committed.size(), 0u);
  EXPECT_LT(Farthest(preview, committed), 0.01);
  EXPECT_LT(Farthest(committed, preview), 0.01);
}
