#pragma once
// Small geometry of the position indicators: line segments and polygons
// written into a polydata, and the distance of a picked point to a segment.
#include <array>
#include <initializer_list>
#include <vector>

class vtkPolyData;

namespace QlmIndicatorGeometry {

using Point = std::array<double, 3>;

// Points 2j and 2j + 1 make line j.
void SetSegments(vtkPolyData* polyData, const std::vector<Point>& points);
void SetSegments(vtkPolyData* polyData, std::initializer_list<Point> points);
// One polygon per entry of `polygons`, by point index.
void SetPolygons(vtkPolyData* polyData, const std::vector<Point>& points,
                 const std::vector<std::array<long long, 4>>& polygons);

// Squared distance in x and y from (px, py) to the segment a..b.
double SquaredDistanceToSegment(double px, double py, const double a[2], const double b[2]);

}  // namespace QlmIndicatorGeometry
