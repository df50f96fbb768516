#include "views/CQlmBorderWindow.h"

#include <vtkActor2D.h>
#include <vtkPolyDataMapper2D.h>
#include <vtkProperty2D.h>
#include <vtkRenderer.h>

#include <new>

#include "ct/CQlmLayeredWindow.h"
#include "toolkit/vtkBorderWindow.h"

CQlmBorderWindow* CQlmBorderWindow::New() { return new (std::nothrow) CQlmBorderWindow(); }

CQlmBorderWindow::CQlmBorderWindow() {
  this->Mapper->SetInputConnection(this->Source->GetOutputPort());
  this->Actor->SetMapper(this->Mapper);
  this->Actor->GetProperty()->SetLineWidth(vtkBorderWindow::LineWidth);
  this->Actor->GetProperty()->SetColor(1, 1, 1);
  this->Actor->PickableOff();
}

CQlmBorderWindow::~CQlmBorderWindow() {
  if (this->Window) this->Window->GetLayerRenderer(0)->RemoveViewProp(this->Actor);
}

void CQlmBorderWindow::SetWindow(CQlmLayeredWindow* window) {
  this->Window = window;
  this->Source->SetViewport(window ? window->GetLayerRenderer(0) : nullptr);
}

void CQlmBorderWindow::SetOffScreenWindow(CQlmLayeredWindow* copy) {
  this->Source->SetViewport(copy ? copy->GetLayerRenderer(0) : nullptr);
}

void CQlmBorderWindow::AddToWindow() {
  if (this->Window) this->Window->GetLayerRenderer(0)->AddViewProp(this->Actor);
}

void CQlmBorderWindow::SetColor(float r, float g, float b) {
  this->Actor->GetProperty()->SetColor(r, g, b);
  this->Color[0] = r;
  this->Color[1] = g;
  this->Color[2] = b;
}

void CQlmBorderWindow::SetVisibility(int on) {
  this->Actor->SetVisibility(on);
  this->Visible = on;
}
