#pragma once
// The planar cut of the outline filters: the line where a mesh meets the
// z = 0 plane of a placement, given in that plane's own frame (x, y in the
// plane, z about 0). Adjacent cells share their cut points. The output holds
// no point attributes; a plane that misses the mesh gives no cells.
#include <vtkType.h>

#include <vector>

class vtkMatrix4x4;
class vtkPolyData;

class QlmPlanarCut {
public:
  // Cuts `input` (world coordinates) with the z = 0 plane of `plane` (local
  // to world) into `output`, replacing what it held. An empty or null input
  // gives an empty output.
  static void Cut(vtkPolyData* input, vtkMatrix4x4* plane, vtkPolyData* output);
  // Whether two placements (16 values row by row) are the same plane's, so a
  // cut with one serves the other: equal but for the last bits that
  // recomputing a section for the same arc position may change.
  static bool SamePlane(const double a[16], const double b[16]);
  // The same cut of the listed cells only (ascending ids), as if the others
  // missed the plane; null `cells` cuts every cell.
  static void CutCells(vtkPolyData* input, vtkMatrix4x4* plane, const std::vector<vtkIdType>* cells,
                       vtkPolyData* output);
};
