#include "views/CQlmIndicatorSurface3D.h"

#include <cmath>
#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>

#include "views/CQlm3DWindow.h"

CQlmIndicatorSurface3D::CQlmIndicatorSurface3D(int fontSize, int justification, int verticalJustification)
    : CQlmIndicatorMember(fontSize, justification, verticalJustification) {
  this->AddGeometryActor(this->SurfaceActor);
}

CQlmIndicatorSurface3D::~CQlmIndicatorSurface3D() = default;

void CQlmIndicatorSurface3D::AddToWindow() {
  if (!this->Window) return;
  this->Window->Renderer3->AddActor(this->SurfaceActor);
  this->Window->Renderer1->AddActor2D(this->LabelActor);
}

void CQlmIndicatorSurface3D::RemoveFromWindow() {
  if (!this->Window) return;
  this->Window->Renderer3->RemoveActor(this->SurfaceActor);
  this->Window->Renderer1->RemoveActor2D(this->LabelActor);
}

void CQlmIndicatorSurface3D::SetHeight(float height) {
  if (!std::isfinite(height) || height < 0.0f) return;
  this->Height = height;
  this->Rebuild();
}

void CQlmIndicatorSurface3D::SetCenter(double x, double y, double z) {
  this->Center[0] = x;
  this->Center[1] = y;
  this->Center[2] = z;
  this->Rebuild();
}

void CQlmIndicatorSurface3D::SetTransparent(int on) {
  this->SurfaceActor->GetProperty()->SetOpacity(on ? 0.65 : 1.0);
  this->Transparent = on;
}

void CQlmIndicatorSurface3D::SetColor(float r, float g, float b) {
  if (!this->ColorHold) {
    this->CQlmIndicatorMember::SetColor(r, g, b);
    return;
  }
  this->Color[0] = r;
  this->Color[1] = g;
  this->Color[2] = b;
}
