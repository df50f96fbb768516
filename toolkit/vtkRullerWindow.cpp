#include "toolkit/vtkRullerWindow.h"

#include <vtkActor2D.h>
#include <vtkActor2DCollection.h>
#include <vtkCamera.h>
#include <vtkCellArray.h>
#include <vtkImageData.h>
#include <vtkObjectFactory.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkProperty2D.h>

#include <cmath>
#include <cstdio>

#include "toolkit/vtkWin32TextMapper2.h"

vtkStandardNewMacro(vtkRullerWindow);

namespace {
constexpr double MinimumTickPixels = 25.0;
// Distance of the bars from the viewport's edges and the length of their ticks (pixels).
constexpr double Margin = 14.0;
constexpr double TickLength = 5.0;
constexpr int LabelFontSize = 9;
}  // namespace

vtkRullerWindow::vtkRullerWindow() {
  this->SetNumberOfOutputPorts(2);
  this->AddLabels(this->LabelsH, 1, 0);
  this->AddLabels(this->LabelsV, 0, 1);
  this->SetColor(1, 0, 0);
}

vtkRullerWindow::~vtkRullerWindow() = default;

void vtkRullerWindow::AddLabels(vtkActor2DCollection* labels, int justification, int verticalJustification) {
  for (int i = 0; i < LabelCount; ++i) {
    vtkNew<vtkWin32TextMapper2> mapper;
    mapper->SetFontSize(LabelFontSize);
    mapper->SetJustification(justification);
    mapper->SetVerticalJustification(verticalJustification);
    vtkNew<vtkActor2D> actor;
    actor->SetMapper(mapper);
    actor->GetPositionCoordinate()->SetCoordinateSystemToViewport();
    actor->VisibilityOff();
    labels->AddItem(actor);
    this->Mappers.emplace_back(mapper);
  }
}

void vtkRullerWindow::SetCamera(vtkCamera* camera) {
  if (camera == this->Camera) return;
  this->Camera = camera;
  this->Modified();
}

void vtkRullerWindow::SetImageData(vtkImageData* image) {
  if (image == this->Image) return;
  this->Image = image;
  this->Modified();
}

void vtkRullerWindow::SetColor(double r, double g, double b) {
  for (vtkWin32TextMapper2* mapper : this->Mappers) mapper->SetColor(r, g, b);
}

void vtkRullerWindow::SetVisibility(int on) {
  this->Visibility = on;
  // The labels follow at once: a hidden bar's source does not execute.
  const int laidOut = this->PixelsPerMM > 0;
  for (vtkActor2DCollection* labels : {this->LabelsH.GetPointer(), this->LabelsV.GetPointer()}) {
    for (int i = 0; i < labels->GetNumberOfItems(); ++i) {
      vtkActor2D::SafeDownCast(labels->GetItemAsObject(i))->SetVisibility(on && laidOut);
    }
  }
  this->Modified();
}

void vtkRullerWindow::SetBackground(int on) {
  for (vtkWin32TextMapper2* mapper : this->Mappers) mapper->SetBackground(on);
}

void vtkRullerWindow::SetColorBackground(double r, double g, double b) {
  for (vtkWin32TextMapper2* mapper : this->Mappers) mapper->SetColorBackground(r, g, b);
}

double vtkRullerWindow::RoundSpacing(double pixelsPerMM) {
  if (!(pixelsPerMM > 0.0)) return 1.0;
  for (double power = 1.0;; power *= 10.0) {
    for (double step : {1.0, 2.0, 5.0}) {
      if (step * power * pixelsPerMM >= MinimumTickPixels) return step * power;
    }
  }
}

void vtkRullerWindow::AddLine(vtkPoints* points, vtkCellArray* lines, double x0, double y0, double x1, double y1) {
  const vtkIdType ids[2] = {points->InsertNextPoint(x0, y0, 0), points->InsertNextPoint(x1, y1, 0)};
  lines->InsertNextCell(2, ids);
}

void vtkRullerWindow::PlaceLabel(vtkActor2DCollection* labels, int i, double x, double y, const char* text) {
  auto* actor = vtkActor2D::SafeDownCast(labels->GetItemAsObject(i));
  auto* mapper = vtkWin32TextMapper2::SafeDownCast(actor->GetMapper());
  mapper->SetInput(text);
  actor->SetPosition(x, y);
  actor->SetVisibility(this->Visibility);
}

void vtkRullerWindow::BuildOutput(vtkPolyData* output, const int size[2]) {
  this->PixelsPerMM = 0;
  this->TickSpacing = 0;
  const double scale = this->Camera ? this->Camera->GetParallelScale() : 0.0;
  if (!this->Image || !(scale > 0.0)) {
    this->SetVisibility(this->Visibility);
    return;
  }
  this->PixelsPerMM = size[1] / (2.0 * scale);
  this->TickSpacing = RoundSpacing(this->PixelsPerMM);
  const double interval = this->TickSpacing * this->PixelsPerMM;
  vtkNew<vtkPoints> points;
  vtkNew<vtkCellArray> lines;
  // Horizontal bar centred at the bottom, labels above its ticks.
  const double left = std::floor((size[0] - 4 * interval) / 2);
  AddLine(points, lines, left, Margin, left + 4 * interval, Margin);
  // Vertical bar centred at the left, labels right of its ticks.
  const double bottom = std::floor((size[1] - 4 * interval) / 2);
  AddLine(points, lines, Margin, bottom, Margin, bottom + 4 * interval);
  char text[32];
  for (int i = 0; i < LabelCount; ++i) {
    std::snprintf(text, sizeof text, "%g", i * this->TickSpacing);
    const double x = left + i * interval;
    AddLine(points, lines, x, Margin - TickLength, x, Margin + TickLength);
    this->PlaceLabel(this->LabelsH, i, x, Margin + TickLength + 2, text);
    const double y = bottom + i * interval;
    AddLine(points, lines, Margin - TickLength, y, Margin + TickLength, y);
    this->PlaceLabel(this->LabelsV, i, Margin + TickLength + 3, y, text);
  }
  output->SetPoints(points);
  output->SetLines(lines);
}

void vtkRullerWindow::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Camera: " << this->Camera.GetPointer() << "\n";
  os << indent << "ImageData: " << this->Image.GetPointer() << "\n";
  os << indent << "Visibility: " << this->Visibility << "\n";
  os << indent << "PixelsPerMM: " << this->PixelsPerMM << "\n";
  os << indent << "TickSpacing: " << this->TickSpacing << "\n";
}
