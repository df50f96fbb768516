#include "views/CQlmRullerWindow.h"

#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkActor2DCollection.h>
#include <vtkPolyDataMapper.h>
#include <vtkPolyDataMapper2D.h>
#include <vtkProperty2D.h>
#include <vtkRenderer.h>

#include <new>

#include "ct/CQlmLayeredWindow.h"
#include "toolkit/vtkRullerWindow.h"


CQlmRullerWindow* CQlmRullerWindow::New() {
  vtkRullerWindow* source = vtkRullerWindow::New();
  auto* window = new (std::nothrow) CQlmRullerWindow(source);
  if (!window) source->Delete();
  return window;
}

CQlmRullerWindow::CQlmRullerWindow(vtkRullerWindow* source) : Source(source) {
  this->Mapper2D->SetInputConnection(this->Source->GetOutputPort(0));
  this->Actor2D->SetMapper(this->Mapper2D);
  this->Mapper->SetInputConnection(this->Source->GetOutputPort(1));
  this->Actor->SetMapper(this->Mapper);
  this->SetColor(1, 0, 0);
}

CQlmRullerWindow::~CQlmRullerWindow() {
  if (this->Window) this->Remove();
  this->Source->Delete();
}

void CQlmRullerWindow::Remove() {
  this->Window->GetLayerRenderer(3)->RemoveViewProp(this->Actor);
  vtkRenderer* top = this->Window->GetLayerRenderer(0);
  top->RemoveViewProp(this->Actor2D);
  this->Source->ForEachLabel([top](vtkActor2D* label) { top->RemoveViewProp(label); });
}

void CQlmRullerWindow::SetWindow(CQlmLayeredWindow* window) {
  this->Window = window;
  this->SetOffScreenWindow(window);
}

void CQlmRullerWindow::SetOffScreenWindow(CQlmLayeredWindow* copy) {
  vtkRenderer* top = copy ? copy->GetLayerRenderer(0) : nullptr;
  this->Source->SetViewport(top);
  this->Source->SetCamera(top ? top->GetActiveCamera() : nullptr);
}

void CQlmRullerWindow::AddToWindow() {
  if (!this->Window) return;
  this->Window->GetLayerRenderer(3)->AddViewProp(this->Actor);
  vtkRenderer* top = this->Window->GetLayerRenderer(0);
  top->AddViewProp(this->Actor2D);
  this->Source->ForEachLabel([top](vtkActor2D* label) { top->AddViewProp(label); });
}

void CQlmRullerWindow::SetImageData(vtkImageData* image) { this->Source->SetImageData(image); }

void CQlmRullerWindow::SetColor(float r, float g, float b) {
  this->Actor2D->GetProperty()->SetColor(r, g, b);
  this->Source->SetColor(r, g, b);
  this->Color[0] = r;
  this->Color[1] = g;
  this->Color[2] = b;
}

void CQlmRullerWindow::SetVisibility(int on) {
  this->Actor2D->SetVisibility(on);
  this->Source->SetVisibility(on);
  this->Visible = on;
}
