#pragma once
// Dashed lines drawn as geometry: one line cell per dash. The OpenGL mapper
// draws every line solid, so a dashed look has to come from the points.
class vtkCellArray;
class vtkPoints;

namespace QlmDashedLine {

// Appends the dashes of the segment from `from` to `to`: runs of `dash`
// length separated by gaps of `gap`, the first starting at `from`, the last
// cut at `to`. A segment shorter than one dash is one dash; a dash or gap not
// above 0 draws the segment solid.
void Append(vtkPoints* points, vtkCellArray* lines, const double from[3], const double to[3], double dash, double gap);

}  // namespace QlmDashedLine
