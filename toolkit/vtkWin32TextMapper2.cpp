#include "toolkit/vtkWin32TextMapper2.h"

#include <vtkActor2D.h>
#include <vtkCoordinate.h>
#include <vtkObjectFactory.h>
#include <vtkProperty2D.h>
#include <vtkTextProperty.h>

vtkStandardNewMacro(vtkWin32TextMapper2);

vtkWin32TextMapper2::vtkWin32TextMapper2() {
  // The shadow stands one pixel right of and below wherever the label's actor
  // stands, whatever coordinate system that actor uses.
  vtkCoordinate* position = this->ShadowActor->GetPositionCoordinate();
  position->SetCoordinateSystemToViewport();
  position->SetValue(1.0, -1.0);
}

vtkWin32TextMapper2::~vtkWin32TextMapper2() = default;

void vtkWin32TextMapper2::SetLabelBackground(int on) {
  this->SetShadow(!on);
  if (on)
    this->SetColor(0.0, 0.0, 0.0);
  else
    this->SetColor(1.0, 1.0, 0.3);
  this->SetBackground(on);
}

void vtkWin32TextMapper2::RenderOverlay(vtkViewport* viewport, vtkActor2D* actor) {
  if (this->Shadow && this->GetInput() && *this->GetInput())
    this->RenderShadow(viewport, actor);
  this->Superclass::RenderOverlay(viewport, actor);
}

void vtkWin32TextMapper2::RenderShadow(vtkViewport* viewport, vtkActor2D* actor) {
  vtkTextProperty* shadow = this->ShadowText->GetTextProperty();
  shadow->ShallowCopy(this->GetTextProperty());
  shadow->SetColor(this->ColorShadow);
  shadow->SetBackgroundOpacity(0.0);
  shadow->ShadowOff();
  this->ShadowText->SetInput(this->GetInput());

  this->ShadowActor->GetPositionCoordinate()->SetReferenceCoordinate(actor->GetActualPositionCoordinate());
  this->ShadowActor->GetProperty()->DeepCopy(actor->GetProperty());
  this->ShadowText->RenderOverlay(viewport, this->ShadowActor);
  this->ShadowActor->GetPositionCoordinate()->SetReferenceCoordinate(nullptr);
}

void vtkWin32TextMapper2::ReleaseGraphicsResources(vtkWindow* window) {
  this->ShadowText->ReleaseGraphicsResources(window);
  this->Superclass::ReleaseGraphicsResources(window);
}

void vtkWin32TextMapper2::PrintSelf(ostream& os, vtkIndent indent) { this->Superclass::PrintSelf(os, indent); }
