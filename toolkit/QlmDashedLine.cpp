#include "toolkit/QlmDashedLine.h"

#include <vtkCellArray.h>
#include <vtkMath.h>
#include <vtkPoints.h>

#include <algorithm>
#include <cmath>

namespace {

void AppendSegment(vtkPoints* points, vtkCellArray* lines, const double from[3], const double direction[3],
                   double start, double end) {
  double a[3], b[3];
  for (int i = 0; i < 3; ++i) {
    a[i] = from[i] + direction[i] * start;
    b[i] = from[i] + direction[i] * end;
  }
  const vtkIdType ids[2] = {points->InsertNextPoint(a), points->InsertNextPoint(b)};
  lines->InsertNextCell(2, ids);
}

}  // namespace

void QlmDashedLine::Append(vtkPoints* points, vtkCellArray* lines, const double from[3], const double to[3],
                           double dash, double gap) {
  double direction[3] = {to[0] - from[0], to[1] - from[1], to[2] - from[2]};
  const double length = vtkMath::Normalize(direction);
  if (!(dash > 0.0) || !(gap > 0.0) || length <= dash) {
    AppendSegment(points, lines, from, direction, 0.0, length);
    return;
  }
  const double period = dash + gap;
  const long runs = static_cast<long>(std::ceil(length / period));
  for (long k = 0; k < runs; ++k) {
    const double start = k * period;
    AppendSegment(points, lines, from, direction, start, std::min(start + dash, length));
  }
}
