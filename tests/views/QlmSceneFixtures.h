#pragma once
// Small scenes for the views' tests: flat-coloured squares and lines whose
// pixels come out in exactly their colour (no lighting).
#include <vtkActor.h>
#include <vtkSmartPointer.h>

namespace QlmSceneFixtures {

// A square of side `size` mm centred at (x, y, z), facing +z.
vtkSmartPointer<vtkActor> Square(double x, double y, double z, double size, double r, double g, double b);

// A line from (x0, y0, z) to (x1, y1, z).
vtkSmartPointer<vtkActor> Line(double x0, double y0, double x1, double y1, double z);

}  // namespace QlmSceneFixtures
