#include "QlmSceneFixtures.h"

#include <vtkLineSource.h>
#include <vtkNew.h>
#include <vtkPlaneSource.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>

namespace QlmSceneFixtures {

namespace {
vtkSmartPointer<vtkActor> FlatActor(vtkAlgorithm* source, double r, double g, double b) {
  vtkNew<vtkPolyDataMapper> mapper;
  mapper->SetInputConnection(source->GetOutputPort());
  auto actor = vtkSmartPointer<vtkActor>::New();
  actor->SetMapper(mapper);
  actor->GetProperty()->SetColor(r, g, b);
  actor->GetProperty()->LightingOff();
  return actor;
}
}  // namespace

vtkSmartPointer<vtkActor> Square(double x, double y, double z, double size, double r, double g, double b) {
  vtkNew<vtkPlaneSource> plane;
  const double half = size / 2.0;
  plane->SetOrigin(x - half, y - half, z);
  plane->SetPoint1(x + half, y - half, z);
  plane->SetPoint2(x - half, y + half, z);
  return FlatActor(plane, r, g, b);
}

vtkSmartPointer<vtkActor> Line(double x0, double y0, double x1, double y1, double z) {
  vtkNew<vtkLineSource> line;
  line->SetPoint1(x0, y0, z);
  line->SetPoint2(x1, y1, z);
  return FlatActor(line, 1.0, 1.0, 1.0);
}

}  // namespace QlmSceneFixtures
