#pragma once
// The two ways a mesh is drawn in the panoramic view's unrolled frame: cut
// by the vertical strip of every curve segment (each cut kept within its
// segment's span), or projected whole onto the strip of one segment (thick
// panoramic). Shared by the implant and mesh panoramic cutters.
class QlmPanoramicStrips;
class QlmPlanarCutIndex;
class vtkPolyData;

class QlmPanoramicCut {
public:
  // `mesh` (world coordinates) cut by every strip into lines; `height` is the
  // strips' height. A null mesh gives an empty output. An `index` of `mesh`
  // cuts each strip only where it may reach (the same result, sooner).
  static void CutThin(const QlmPanoramicStrips& strips, double height, vtkPolyData* mesh, vtkPolyData* out,
                      QlmPlanarCutIndex* index = nullptr);
  // `mesh`'s polygons with every point unrolled through `segment`'s strip.
  static void ProjectThick(const QlmPanoramicStrips& strips, int segment, vtkPolyData* mesh, vtkPolyData* out);
};
