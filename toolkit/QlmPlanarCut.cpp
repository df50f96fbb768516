#include "toolkit/QlmPlanarCut.h"

#include <vtkCell.h>
#include <vtkCellArray.h>
#include <vtkCellData.h>
#include <vtkDoubleArray.h>
#include <vtkGenericCell.h>
#include <vtkMatrix4x4.h>
#include <vtkMergePoints.h>
#include <vtkNew.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkTransform.h>

#include <algorithm>
#include <cmath>

namespace {
// Room for the cut: cells^0.75 rounded down to a multiple of 1024, at least 1024.
vtkIdType SizeEstimate(vtkIdType cells) {
  const vtkIdType estimate = vtkIdType(std::pow(double(cells), 0.75)) / 1024 * 1024;
  return std::max<vtkIdType>(estimate, 1024);
}
}  // namespace

bool QlmPlanarCut::SamePlane(const double a[16], const double b[16]) {
  return std::equal(a, a + 16, b, [](double x, double y) { return std::abs(x - y) <= 1e-9 * (1.0 + std::abs(x)); });
}

void QlmPlanarCut::Cut(vtkPolyData* input, vtkMatrix4x4* plane, vtkPolyData* output) {
  CutCells(input, plane, nullptr, output);
}

void QlmPlanarCut::CutCells(vtkPolyData* input, vtkMatrix4x4* plane, const std::vector<vtkIdType>* cells,
                            vtkPolyData* output) {
  output->Initialize();
  if (!input || input->GetNumberOfCells() == 0 || input->GetNumberOfPoints() == 0) return;

  const vtkIdType estimate = SizeEstimate(cells ? vtkIdType(cells->size()) : input->GetNumberOfCells());
  vtkNew<vtkPoints> merged;
  merged->Allocate(estimate, estimate / 2);
  vtkNew<vtkCellArray> verts, lines, polys;
  verts->AllocateEstimate(estimate, 2);
  lines->AllocateEstimate(estimate, 2);
  polys->AllocateEstimate(estimate, 3);

  const double normal[3] = {plane->GetElement(0, 2), plane->GetElement(1, 2), plane->GetElement(2, 2)};
  const double origin[3] = {plane->GetElement(0, 3), plane->GetElement(1, 3), plane->GetElement(2, 3)};
  vtkPoints* points = input->GetPoints();
  auto distance = [&](vtkIdType id) {
    double p[3];
    points->GetPoint(id, p);
    return (p[0] - origin[0]) * normal[0] + (p[1] - origin[1]) * normal[1] + (p[2] - origin[2]) * normal[2];
  };

  vtkNew<vtkMergePoints> locator;
  locator->InitPointInsertion(merged, input->GetBounds(), estimate);
  vtkNew<vtkPointData> outPointData;
  vtkNew<vtkCellData> outCellData;
  outPointData->InterpolateAllocate(input->GetPointData(), estimate, estimate / 2);
  outCellData->CopyAllocate(input->GetCellData(), estimate, estimate / 2);
  vtkNew<vtkDoubleArray> cellScalars;
  vtkNew<vtkGenericCell> cell;
  vtkIdType cellPoints;
  const vtkIdType* cellIds;
  auto cutCell = [&](vtkIdType cellId) {
    input->GetCellPoints(cellId, cellPoints, cellIds);
    cellScalars->SetNumberOfValues(cellPoints);
    bool below = false, above = false;
    for (vtkIdType i = 0; i < cellPoints; ++i) {
      const double value = distance(cellIds[i]);
      cellScalars->SetValue(i, value);
      below = below || value <= 0.0;
      above = above || value >= 0.0;
    }
    // A cell wholly on one side has no contour.
    if (!below || !above) return;
    input->GetCell(cellId, cell);
    cell->Contour(0.0, cellScalars, locator, verts, lines, polys, input->GetPointData(), outPointData,
                  input->GetCellData(), cellId, outCellData);
  };
  if (cells) {
    for (vtkIdType cellId : *cells) cutCell(cellId);
  } else {
    for (vtkIdType cellId = 0; cellId < input->GetNumberOfCells(); ++cellId) cutCell(cellId);
  }

  vtkNew<vtkMatrix4x4> toPlane;
  vtkMatrix4x4::Invert(plane, toPlane);
  vtkNew<vtkTransform> inverse;
  inverse->SetMatrix(toPlane);
  vtkNew<vtkPoints> local;
  inverse->TransformPoints(merged, local);
  output->SetPoints(local);
  if (verts->GetNumberOfCells() > 0) output->SetVerts(verts);
  if (lines->GetNumberOfCells() > 0) output->SetLines(lines);
  if (polys->GetNumberOfCells() > 0) output->SetPolys(polys);
  output->Squeeze();
}
