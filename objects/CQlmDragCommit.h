#pragma once
// How a drag in a 2D view reaches a planned object's 3D placement, shared by
// every family that can be dragged (implants, teeth, meshes, multi-part objects).
//
// While the mouse moves, the view shows the drag U (a matrix in the view's
// own frame) as a user transform about the object's origin in that frame.
// On release the drag is committed: in the axial and cross-section views
// U is carried from the plane's frame into the volume's and turns the object
// about its origin; in the panoramic view a translation slides the object
// along the current curve and a turn happens in the curve's frame.
class CQlmPanoramicCalc;
class vtkGeomPanoramic;
class vtkMatrix4x4;
class vtkTransform;

class CQlmDragCommit {
public:
  // preview := T(pivot) U T(-pivot).
  static void Preview(const double pivot[3], vtkMatrix4x4* drag, vtkTransform* preview);

  // result := T(position) V0 U (V^-1)0 Q0, X0 being X without translation:
  // U given in the frame of V (a plane, or a curve frame) applied to the
  // placement Q about `position`. `result` may be `placement`.
  static void InFrame(vtkMatrix4x4* frame, vtkMatrix4x4* drag, vtkMatrix4x4* placement, const double position[3],
                      vtkMatrix4x4* result);

  // The frame a panoramic turn happens in: the current curve's section at
  // arc length `arc`, mirrored in y, without translation, times the quarter
  // turn K (rows (0, 0, 1), (0, 1, 0), (-1, 0, 0)).
  static void CurveFrame(const CQlmPanoramicCalc* calculator, double arc, vtkMatrix4x4* frame);

  // The placement after a panoramic slide of (dx, dy) (along the curve, up)
  // of an object at unrolled x `fulcrumX`, the curve's origin at `centre`:
  // the object keeps its offset from the curve, turned by the change of
  // direction when the slide crosses into another segment, and its
  // orientation. `result` may be `placement`.
  static void Slide(const CQlmPanoramicCalc* calculator, const double centre[3], double fulcrumX, double dx, double dy,
                    vtkMatrix4x4* placement, vtkMatrix4x4* result);

  // The placement after the panoramic drag U of an object whose outline
  // `cutter` (updated here) draws: a slide when U translates, else a turn in
  // the curve's frame when it turns; false, `result` untouched, for neither.
  static bool InPanoramic(const CQlmPanoramicCalc* calculator, vtkGeomPanoramic* cutter, vtkMatrix4x4* drag,
                          vtkMatrix4x4* placement, vtkMatrix4x4* result);

  // Whether U moves in the view's x or y, and whether its 3 x 3 part turns.
  static bool Translates(vtkMatrix4x4* drag);
  static bool Turns(vtkMatrix4x4* drag);
};
