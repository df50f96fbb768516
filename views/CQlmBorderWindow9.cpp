#include "views/CQlmBorderWindow9.h"

#include <vtkActor2D.h>
#include <vtkPolyDataMapper2D.h>
#include <vtkProperty2D.h>
#include <vtkRenderer.h>

#include <new>

#include "ct/CQlmLayeredWindow9.h"
#include "toolkit/vtkBorderWindow.h"

CQlmBorderWindow9* CQlmBorderWindow9::New() { return new (std::nothrow) CQlmBorderWindow9(); }

CQlmBorderWindow9::CQlmBorderWindow9() {
  for (int cell = 0; cell < CellCount; ++cell) {
    this->Mapper[cell]->SetInputConnection(this->Source[cell]->GetOutputPort());
    this->Actor[cell]->SetMapper(this->Mapper[cell]);
    this->Actor[cell]->GetProperty()->SetLineWidth(vtkBorderWindow::LineWidth);
    this->Actor[cell]->GetProperty()->SetColor(1, 1, 1);
    this->Actor[cell]->PickableOff();
  }
}

CQlmBorderWindow9::~CQlmBorderWindow9() {
  if (!this->Window) return;
  for (int cell = 0; cell < CellCount; ++cell) {
    this->Window->GetCellLayerRenderer(cell, 0)->RemoveViewProp(this->Actor[cell]);
  }
}

void CQlmBorderWindow9::SetWindow(CQlmLayeredWindow9* window) {
  this->Window = window;
  this->SetOffScreenWindow(window);
}

void CQlmBorderWindow9::SetOffScreenWindow(CQlmLayeredWindow9* copy) {
  for (int cell = 0; cell < CellCount; ++cell) {
    this->Source[cell]->SetViewport(copy ? copy->GetCellLayerRenderer(cell, 0) : nullptr);
  }
}

void CQlmBorderWindow9::AddToWindow() {
  if (!this->Window) return;
  for (int cell = 0; cell < CellCount; ++cell) {
    this->Window->GetCellLayerRenderer(cell, 0)->AddViewProp(this->Actor[cell]);
  }
}

void CQlmBorderWindow9::SetColor(float r, float g, float b) {
  for (auto& actor : this->Actor) actor->GetProperty()->SetColor(r, g, b);
  this->Color[0] = r;
  this->Color[1] = g;
  this->Color[2] = b;
}

void CQlmBorderWindow9::SetCenterColor(float r, float g, float b) {
  this->Actor[CentreCell]->GetProperty()->SetColor(r, g, b);
  this->CenterColor[0] = r;
  this->CenterColor[1] = g;
  this->CenterColor[2] = b;
}

void CQlmBorderWindow9::SetVisibility(int on) {
  for (auto& actor : this->Actor) actor->SetVisibility(on);
  this->Visible = on;
}
