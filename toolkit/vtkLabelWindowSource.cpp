#include "toolkit/vtkLabelWindowSource.h"

#include <vtkActor2D.h>
#include <vtkCoordinate.h>

#include "toolkit/vtkWin32TextMapper2.h"

vtkLabelWindowSource::~vtkLabelWindowSource() = default;

int vtkLabelWindowSource::AddLabel(double fx, double fy, double dx, double dy, int justification,
                                   int verticalJustification) {
  Label label{vtkSmartPointer<vtkWin32TextMapper2>::New(), vtkSmartPointer<vtkActor2D>::New(),
              vtkSmartPointer<vtkCoordinate>::New()};
  label.Mapper->SetFontSize(this->Mode ? CellFontSize : ViewFontSize);
  label.Mapper->SetJustification(justification);
  label.Mapper->SetVerticalJustification(verticalJustification);
  label.Anchor->SetCoordinateSystemToNormalizedViewport();
  label.Anchor->SetValue(fx, fy, 0);
  label.Anchor->SetViewport(this->Viewport);
  vtkCoordinate* position = label.Actor->GetPositionCoordinate();
  position->SetCoordinateSystemToViewport();
  position->SetReferenceCoordinate(label.Anchor);
  position->SetValue(dx, dy, 0);
  position->SetViewport(this->Viewport);
  label.Actor->SetMapper(label.Mapper);
  this->Labels.push_back(label);
  return static_cast<int>(this->Labels.size()) - 1;
}

vtkActor2D* vtkLabelWindowSource::GetLabelActor(int index) const { return this->Labels.at(index).Actor; }

vtkWin32TextMapper2* vtkLabelWindowSource::GetLabelMapper(int index) const { return this->Labels.at(index).Mapper; }

void vtkLabelWindowSource::SetViewport(vtkViewport* viewport) {
  for (Label& label : this->Labels) {
    label.Anchor->SetViewport(viewport);
    label.Actor->GetPositionCoordinate()->SetViewport(viewport);
  }
  this->Superclass::SetViewport(viewport);
}

void vtkLabelWindowSource::SetMode(int mode) {
  this->Mode = mode;
  for (Label& label : this->Labels) label.Mapper->SetFontSize(mode ? CellFontSize : ViewFontSize);
  this->Modified();
}
