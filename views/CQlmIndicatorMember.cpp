#include "views/CQlmIndicatorMember.h"

#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkCoordinate.h>
#include <vtkProperty.h>

#include "toolkit/vtkWin32TextMapper2.h"

CQlmIndicatorMember::CQlmIndicatorMember(int fontSize, int justification, int verticalJustification)
    : Label(vtkWin32TextMapper2::New()), LabelActor(vtkActor2D::New()) {
  this->Label->SetFontSize(fontSize);
  this->Label->SetJustification(justification);
  this->Label->SetVerticalJustification(verticalJustification);
  this->Label->ShadowOff();
  this->Label->SetColorBackground(1.0, 1.0, 1.0);
  this->LabelActor->SetMapper(this->Label);
  this->LabelActor->GetPositionCoordinate()->SetCoordinateSystemToWorld();
  this->LabelActor->VisibilityOff();
}

CQlmIndicatorMember::~CQlmIndicatorMember() {
  this->LabelActor->Delete();
  this->Label->Delete();
}

void CQlmIndicatorMember::AddGeometryActor(vtkActor* actor) {
  this->GeometryActors.push_back(actor);
  actor->GetProperty()->SetColor(this->Color[0], this->Color[1], this->Color[2]);
}

void CQlmIndicatorMember::SetLabelText(const char* text) { this->Label->SetInput(text); }

void CQlmIndicatorMember::SetLabelPosition(double x, double y, double z) {
  this->LabelActor->GetPositionCoordinate()->SetValue(x, y, z);
}

void CQlmIndicatorMember::SetColor(float r, float g, float b) {
  this->Color[0] = r;
  this->Color[1] = g;
  this->Color[2] = b;
  for (vtkActor* actor : this->GeometryActors) actor->GetProperty()->SetColor(r, g, b);
}

// The actor stays white: its colour would tint the text's box too.
void CQlmIndicatorMember::SetLabelColor(float r, float g, float b) {
  this->LabelColor[0] = r;
  this->LabelColor[1] = g;
  this->LabelColor[2] = b;
  this->Label->SetColor(r, g, b);
}

void CQlmIndicatorMember::SetLabelBackground(int on) {
  this->LabelBackground = on;
  this->Label->SetBackground(on);
}

void CQlmIndicatorMember::SetLabelBackgroundColor(float r, float g, float b) {
  this->Label->SetColorBackground(r, g, b);
  this->LabelBackgroundColor[0] = r;
  this->LabelBackgroundColor[1] = g;
  this->LabelBackgroundColor[2] = b;
}

void CQlmIndicatorMember::SetVisibility(int visible) {
  for (vtkActor* actor : this->GeometryActors) actor->SetVisibility(visible);
  this->Visible = visible;
  if (visible && this->LabelWanted) {
    this->LabelShown = this->LabelWanted = visible;
    this->LabelActor->VisibilityOn();
  }
  if (!visible && this->LabelShown) {
    this->LabelActor->VisibilityOff();
    this->LabelShown = 0;
    this->LabelWanted = 1;
  }
}

void CQlmIndicatorMember::SetLabelVisibility(int visible) {
  this->LabelWanted = visible;
  if (!this->Visible && visible) return;
  this->LabelShown = visible;
  this->LabelActor->SetVisibility(visible);
}
