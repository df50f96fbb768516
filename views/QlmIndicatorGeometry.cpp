#include "views/QlmIndicatorGeometry.h"

#include <vtkCellArray.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

namespace QlmIndicatorGeometry {

namespace {

vtkSmartPointer<vtkPoints> MakePoints(const std::vector<Point>& points) {
  auto made = vtkSmartPointer<vtkPoints>::New();
  made->SetNumberOfPoints(static_cast<vtkIdType>(points.size()));
  for (size_t i = 0; i < points.size(); ++i) made->SetPoint(static_cast<vtkIdType>(i), points[i].data());
  return made;
}

}  // namespace

void SetSegments(vtkPolyData* polyData, const std::vector<Point>& points) {
  vtkNew<vtkCellArray> lines;
  for (vtkIdType j = 0; 2 * j + 1 < static_cast<vtkIdType>(points.size()); ++j) {
    const vtkIdType ends[2] = {2 * j, 2 * j + 1};
    lines->InsertNextCell(2, ends);
  }
  polyData->SetPoints(MakePoints(points));
  polyData->SetLines(lines);
}

void SetSegments(vtkPolyData* polyData, std::initializer_list<Point> points) {
  SetSegments(polyData, std::vector<Point>(points));
}

void SetPolygons(vtkPolyData* polyData, const std::vector<Point>& points,
                 const std::vector<std::array<long long, 4>>& polygons) {
  vtkNew<vtkCellArray> cells;
  for (const auto& polygon : polygons) {
    const vtkIdType corners[4] = {polygon[0], polygon[1], polygon[2], polygon[3]};
    cells->InsertNextCell(4, corners);
  }
  polyData->SetPoints(MakePoints(points));
  polyData->SetPolys(cells);
}

double SquaredDistanceToSegment(double px, double py, const double a[2], const double b[2]) {
  const double dx = b[0] - a[0];
  const double dy = b[1] - a[1];
  const double length2 = dx * dx + dy * dy;
  double nearX = a[0];
  double nearY = a[1];
  if (length2 != 0.0) {
    const double t = ((px - a[0]) * dx + (py - a[1]) * dy) / length2;
    if (t > 1.0) {
      nearX = b[0];
      nearY = b[1];
    } else if (t >= 0.0) {
      nearX = a[0] + t * dx;
      nearY = a[1] + t * dy;
    }
  }
  return (px - nearX) * (px - nearX) + (py - nearY) * (py - nearY);
}

}  // namespace QlmIndicatorGeometry
