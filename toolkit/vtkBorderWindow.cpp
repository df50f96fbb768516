#include "toolkit/vtkBorderWindow.h"

#include <vtkCellArray.h>
#include <vtkNew.h>
#include <vtkObjectFactory.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

vtkStandardNewMacro(vtkBorderWindow);

void vtkBorderWindow::BuildOutput(vtkPolyData* output, const int size[2]) {
  // The line's middle one pixel inside the edges, so both of its pixels fall in the viewport.
  const double left = 1.0;
  const double bottom = 1.0;
  const double right = size[0] - 1.0;
  const double top = size[1] - 1.0;
  vtkNew<vtkPoints> points;
  points->InsertNextPoint(left, bottom, 0);
  points->InsertNextPoint(right, bottom, 0);
  points->InsertNextPoint(right, top, 0);
  points->InsertNextPoint(left, top, 0);
  vtkNew<vtkCellArray> lines;
  const vtkIdType loop[5] = {0, 1, 2, 3, 0};
  lines->InsertNextCell(5, loop);
  output->SetPoints(points);
  output->SetLines(lines);
}
