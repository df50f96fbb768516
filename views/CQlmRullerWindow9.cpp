#include "views/CQlmRullerWindow9.h"

#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkActor2DCollection.h>
#include <vtkPolyDataMapper.h>
#include <vtkPolyDataMapper2D.h>
#include <vtkProperty2D.h>
#include <vtkRenderer.h>

#include <new>

#include "ct/CQlmLayeredWindow9.h"
#include "toolkit/vtkRullerWindow.h"


CQlmRullerWindow9* CQlmRullerWindow9::New() { return new (std::nothrow) CQlmRullerWindow9(); }

CQlmRullerWindow9::CQlmRullerWindow9() {
  this->OuterMapper2D->SetInputConnection(this->Outer->GetOutputPort(0));
  this->OuterActor2D->SetMapper(this->OuterMapper2D);
  this->OuterMapper->SetInputConnection(this->Outer->GetOutputPort(1));
  this->OuterActor->SetMapper(this->OuterMapper);
  this->CentreMapper2D->SetInputConnection(this->Centre->GetOutputPort(0));
  this->CentreActor2D->SetMapper(this->CentreMapper2D);
  this->CentreMapper->SetInputConnection(this->Centre->GetOutputPort(1));
  this->CentreActor->SetMapper(this->CentreMapper);
  this->SetColor(1, 0, 0);
}

template <class Apply>
void CQlmRullerWindow9::ForEachPlacement(Apply apply) {
  CQlmLayeredWindow9& window = *this->Window;
  apply(window.GetCellLayerRenderer(CentreCell, 3), this->CentreActor.GetPointer());
  apply(window.GetCellLayerRenderer(CentreCell, 0), this->CentreActor2D.GetPointer());
  for (int cell = 0; cell < CellCount; ++cell) {
    if (cell == CentreCell) continue;
    vtkRenderer* top = window.GetCellLayerRenderer(cell, 0);
    this->Outer->ForEachLabel([&](vtkActor2D* label) { apply(top, label); });
    apply(window.GetCellLayerRenderer(cell, 3), this->OuterActor.GetPointer());
    apply(top, this->OuterActor2D.GetPointer());
  }
  vtkRenderer* centreTop = window.GetCellLayerRenderer(CentreCell, 0);
  this->Centre->ForEachLabel([&](vtkActor2D* label) { apply(centreTop, label); });
}

CQlmRullerWindow9::~CQlmRullerWindow9() {
  if (this->Window) this->ForEachPlacement([](vtkRenderer* renderer, vtkProp* prop) { renderer->RemoveViewProp(prop); });
}

void CQlmRullerWindow9::SetWindow(CQlmLayeredWindow9* window) {
  this->Window = window;
  this->SetOffScreenWindow(window);
}

void CQlmRullerWindow9::SetOffScreenWindow(CQlmLayeredWindow9* copy) {
  vtkRenderer* top = copy ? copy->GetCellLayerRenderer(CentreCell, 0) : nullptr;
  for (vtkRullerWindow* source : {this->Outer.GetPointer(), this->Centre.GetPointer()}) {
    source->SetViewport(top);
    source->SetCamera(top ? top->GetActiveCamera() : nullptr);
  }
}

void CQlmRullerWindow9::AddToWindow() {
  if (this->Window) this->ForEachPlacement([](vtkRenderer* renderer, vtkProp* prop) { renderer->AddViewProp(prop); });
}

void CQlmRullerWindow9::SetImageData(vtkImageData* image) {
  this->Outer->SetImageData(image);
  this->Centre->SetImageData(image);
}

void CQlmRullerWindow9::SetColor(float r, float g, float b) {
  for (vtkActor2D* actor : {this->OuterActor2D.GetPointer(), this->CentreActor2D.GetPointer()}) {
    actor->GetProperty()->SetColor(r, g, b);
  }
  this->Outer->SetColor(r, g, b);
  this->Centre->SetColor(r, g, b);
  this->Color[0] = r;
  this->Color[1] = g;
  this->Color[2] = b;
}

void CQlmRullerWindow9::SetCenterColor(float r, float g, float b) {
  this->CentreActor2D->GetProperty()->SetColor(r, g, b);
  this->Centre->SetColor(r, g, b);
  this->CenterColor[0] = r;
  this->CenterColor[1] = g;
  this->CenterColor[2] = b;
}

void CQlmRullerWindow9::SetVisibility(int on) {
  this->OuterActor2D->SetVisibility(on);
  this->CentreActor2D->SetVisibility(on);
  this->Outer->SetVisibility(on);
  this->Centre->SetVisibility(on);
  this->Visible = on;
}
