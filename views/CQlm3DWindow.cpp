#include "views/CQlm3DWindow.h"

#include <vtkCamera.h>
#include <vtkCommand.h>

#include <new>

#include "views/QlmOffScreenWindow.h"

CQlm3DWindow* CQlm3DWindow::New(int mode) { return new (std::nothrow) CQlm3DWindow(mode); }

CQlm3DWindow::CQlm3DWindow(int mode) : Mode(mode), Picture(RenderWindow, Enabled) {
  QlmOffScreenWindow::SetUp(this->RenderWindow);
  vtkRenderer* layers[4] = {this->Renderer3, this->Renderer2, this->Renderer1, this->Renderer0};
  vtkCamera* camera = this->Renderer3->GetActiveCamera();
  QlmOffScreenWindow::SetUpCamera(camera);
  for (int layer = 3; layer >= 0; --layer) {
    vtkRenderer* renderer = layers[3 - layer];
    renderer->SetLayer(QlmOffScreenWindow::ToolkitLayer(layer));
    renderer->SetActiveCamera(camera);
    this->RenderWindow->AddRenderer(renderer);
  }
  this->Renderer3->AddObserver(vtkCommand::StartEvent, this->StartObserver, 0.0f);
  this->Renderer3->AddObserver(vtkCommand::EndEvent, this->EndObserver, 0.0f);
}

CQlm3DWindow::~CQlm3DWindow() { this->Renderer3->RemoveAllObservers(); }

void CQlm3DWindow::Render() { this->Picture.Render(); }

void CQlm3DWindow::SetBackground(float r, float g, float b) {
  this->Background[0] = r;
  this->Background[1] = g;
  this->Background[2] = b;
  this->Renderer3->SetBackground(r, g, b);
}

vtkRenderer* CQlm3DWindow::GetLayerRenderer(int layer) const {
  switch (layer) {
    case 0: return this->Renderer0;
    case 1: return this->Renderer1;
    case 2: return this->Renderer2;
    case 3: return this->Renderer3;
    default: return nullptr;
  }
}
