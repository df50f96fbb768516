#include "toolkit/vtkRullerWindowHU.h"

#include <vtkActor2D.h>
#include <vtkActor2DCollection.h>
#include <vtkCamera.h>
#include <vtkCellArray.h>
#include <vtkCoordinate.h>
#include <vtkObjectFactory.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

#include <cmath>
#include <cstdio>

vtkStandardNewMacro(vtkRullerWindowHU);

namespace {
constexpr double TickLength = 4.0;
constexpr double HUStep = 1000.0;
}  // namespace

void vtkRullerWindowHU::SetSize(int w, int h) {
  this->Size[0] = w;
  this->Size[1] = h;
  this->Modified();
}

void vtkRullerWindowHU::BuildOutput(vtkPolyData* output, const int size[2]) {
  this->PixelsPerMM = 0;
  const double scale = this->Camera ? this->Camera->GetParallelScale() : 0.0;
  if (!(scale > 0.0) || this->Size[0] <= 0 || this->Size[1] <= 0) {
    this->SetVisibility(this->Visibility);
    return;
  }
  this->PixelsPerMM = size[1] / (2.0 * scale);
  vtkNew<vtkCoordinate> world;
  world->SetCoordinateSystemToWorld();
  world->SetViewport(this->Viewport);
  auto toPixels = [&world](double x, double y, double pixel[2]) {
    world->SetValue(x, y, 0);
    const double* value = world->GetComputedDoubleViewportValue(nullptr);
    pixel[0] = value[0];
    pixel[1] = value[1];
  };
  const double halfWidth = this->Size[0] / 2.0;
  const double halfHeight = this->Size[1] / 2.0;
  double bottomLeft[2], topLeft[2], bottomRight[2];
  toPixels(-halfWidth, -halfHeight, bottomLeft);
  toPixels(-halfWidth, halfHeight, topLeft);
  toPixels(halfWidth, -halfHeight, bottomRight);
  vtkNew<vtkPoints> points;
  vtkNew<vtkCellArray> lines;
  AddLine(points, lines, bottomLeft[0], bottomLeft[1], topLeft[0], topLeft[1]);
  AddLine(points, lines, bottomLeft[0], bottomLeft[1], bottomRight[0], bottomRight[1]);
  char text[32];
  for (int i = 0; i < LabelCount; ++i) {
    const double hu = i * HUStep;
    double tick[2];
    toPixels(-halfWidth, HeightOf(hu), tick);
    std::snprintf(text, sizeof text, "%g", hu);
    this->PlaceLabel(this->LabelsV, i, tick[0] + TickLength + 2, tick[1], text);
    if (std::fabs(HeightOf(hu)) <= halfHeight) {
      AddLine(points, lines, tick[0] - TickLength, tick[1], tick[0] + TickLength, tick[1]);
    } else {
      vtkActor2D::SafeDownCast(this->LabelsV->GetItemAsObject(i))->VisibilityOff();
    }
    const double along = i * this->Size[0] / 4.0;
    toPixels(-halfWidth + along, -halfHeight, tick);
    std::snprintf(text, sizeof text, "%g", along);
    AddLine(points, lines, tick[0], tick[1] - TickLength, tick[0], tick[1] + TickLength);
    this->PlaceLabel(this->LabelsH, i, tick[0], tick[1] + TickLength + 2, text);
  }
  output->SetPoints(points);
  output->SetLines(lines);
}
