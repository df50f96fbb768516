#include "toolkit/QlmPanoramicCut.h"

#include <vtkCellArray.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

#include <vector>

#include "toolkit/QlmPanoramicStrips.h"
#include "toolkit/QlmPlanarCut.h"
#include "toolkit/QlmPlanarCutIndex.h"

namespace {
// Appends the points and lines of `part`.
void Append(vtkPolyData* part, vtkPoints* points, vtkCellArray* lines) {
  const vtkIdType base = points->GetNumberOfPoints();
  for (vtkIdType i = 0; i < part->GetNumberOfPoints(); ++i) points->InsertNextPoint(part->GetPoint(i));
  vtkCellArray* partLines = part->GetLines();
  if (!partLines) return;
  const vtkIdType* ids;
  vtkIdType count;
  std::vector<vtkIdType> shifted;
  for (partLines->InitTraversal(); partLines->GetNextCell(count, ids);) {
    shifted.assign(ids, ids + count);
    for (vtkIdType& id : shifted) id += base;
    lines->InsertNextCell(count, shifted.data());
  }
}
}  // namespace

void QlmPanoramicCut::CutThin(const QlmPanoramicStrips& strips, double height, vtkPolyData* mesh, vtkPolyData* out,
                              QlmPlanarCutIndex* index) {
  vtkNew<vtkPoints> points;
  vtkNew<vtkCellArray> lines;
  vtkNew<vtkMatrix4x4> strip;
  vtkNew<vtkPolyData> part;
  for (int segment = 0; mesh && segment < strips.GetSegmentCount(); ++segment) {
    if (!strips.HasWidth(segment)) continue;
    strips.GetStripMatrix(segment, strip);
    const bool first = segment == 0, last = segment == strips.GetSegmentCount() - 1;
    if (index)
      index->CutStrip(strip, strips.GetSegmentLength(segment) / 2, first, last, part);
    else
      QlmPlanarCut::Cut(mesh, strip, part);
    if (!part->GetLines()) continue;
    vtkPoints* partPoints = part->GetPoints();
    const double centre = strips.GetSegmentCenter(segment);
    for (vtkIdType i = 0; i < partPoints->GetNumberOfPoints(); ++i) {
      double p[3];
      partPoints->GetPoint(i, p);
      partPoints->SetPoint(i, p[0] + centre, p[1], 0.0);
    }
    strips.ClipToSegment(segment, height, partPoints, part->GetLines());
    Append(part, points, lines);
  }
  out->Initialize();
  out->SetPoints(points);
  if (lines->GetNumberOfCells() > 0) out->SetLines(lines);
}

void QlmPanoramicCut::ProjectThick(const QlmPanoramicStrips& strips, int segment, vtkPolyData* mesh,
                                   vtkPolyData* out) {
  out->Initialize();
  if (!mesh || !mesh->GetPoints()) return;
  vtkNew<vtkPoints> points;
  points->SetNumberOfPoints(mesh->GetNumberOfPoints());
  for (vtkIdType i = 0; i < mesh->GetNumberOfPoints(); ++i) {
    double unrolled[3];
    strips.ToUnrolled(segment, mesh->GetPoint(i), unrolled);
    points->SetPoint(i, unrolled);
  }
  out->SetPoints(points);
  out->SetPolys(mesh->GetPolys());
}
