#pragma once
// The vertical strips of a panoramic curve and the unrolled frame they map
// into: x = position along the curve from its middle, y = height above the
// offset (the volume centre), z = 0. The curve's points are in curve
// coordinates (y against world y); world = (x + ox, -y + oy, z + oz).
// Segments whose ends meet in x and y span nothing and are skipped.
#include <vector>

class vtkCellArray;
class vtkMatrix4x4;
class vtkPoints;
class vtkPolyData;

class QlmPlanarCutIndex;

class QlmPanoramicStrips {
public:
  // A copy of the curve's points (none for a null curve) and the offset.
  QlmPanoramicStrips(vtkPolyData* curve, const double offset[3]);

  int GetSegmentCount() const { return int(this->Lengths.size()); }
  // 3D length of segment i in curve coordinates.
  double GetSegmentLength(int i) const { return this->Lengths[i]; }
  // Unrolled x of the middle of segment i.
  double GetSegmentCenter(int i) const;
  // Whether segment i has a direction in x and y.
  bool HasWidth(int i) const;

  // The strip through segment i in world coordinates: origin at the
  // segment's middle, local x from point i to point i + 1, local y up.
  void GetStripMatrix(int i, vtkMatrix4x4* matrix) const;
  // A strip matrix built in curve coordinates, mirrored into world ones.
  static void FlipStripMatrix(double elements[16]);

  // The segment nearest to `world` in x and y (the first of equally near
  // ones); -1 without segments.
  int NearestSegment(const double world[3]) const;
  // World point -> unrolled frame through segment i's strip.
  void ToUnrolled(int i, const double world[3], double unrolled[3]) const;

  // Keeps of the lines of segment i's cut (already unrolled) the pieces within
  // its span; the first segment is open to the left, the last to the right.
  // A piece crossing the whole span survives when both crossings lie within
  // half of `height` of 0. Each piece becomes a line of two new points.
  void ClipToSegment(int i, double height, vtkPoints* points, vtkCellArray* lines) const;

  // The thin panoramic outline of `mesh` (world coordinates; null for none):
  // the cut of every segment's strip, unrolled and kept within the segment's
  // span (ClipToSegment with `height`), all joined into lines in `out`.
  // With `index` (an index of `mesh`) the strips are cut through it; the
  // first and last stay open at their outer ends.
  void Cut(vtkPolyData* mesh, double height, vtkPolyData* out, QlmPlanarCutIndex* index = nullptr) const;
  // The thick panoramic view of `mesh`: its points unrolled through segment
  // i's strip, with its polygons; empty for a null mesh or one without points.
  void Project(int i, vtkPolyData* mesh, vtkPolyData* out) const;

private:
  struct Point {
    double X, Y, Z;
  };
  std::vector<Point> Points;
  std::vector<double> Lengths;
  double Offset[3];
};
