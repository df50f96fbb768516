#include "views/CQlm3DInteractor9.h"

#include <vtkRenderer.h>

#include <new>

#include "views/CQlm3DWindow9.h"

CQlm3DInteractor9* CQlm3DInteractor9::New() { return new (std::nothrow) CQlm3DInteractor9; }

CQlm3DInteractor9::CQlm3DInteractor9() : CQlmInteractorBase(20.0f), Record(CQlmInteractorStruct9::New()) {}

CQlm3DInteractor9::~CQlm3DInteractor9() = default;

void CQlm3DInteractor9::SetWindow(CQlm3DWindow9* window) {
  CQlmInteractorStruct9& record = *this->Record;
  record.RenderWindow = window->RenderWindow;
  for (int cell = 0; cell < CQlmInteractorStruct9::CellCount; ++cell) {
    record.Renderer3[cell] = window->Renderer3[cell];
    record.Renderer2[cell] = window->Renderer2[cell];
    record.Renderer1[cell] = window->Renderer1[cell];
    record.Renderer0[cell] = window->Renderer0[cell];
    record.PickRenderer[cell] = window->Renderer3[cell];
  }
  record.Camera = window->Renderer3[CQlm3DWindow9::CentreCell]->GetActiveCamera();
  this->UpdateViewTransform();
  this->Window = window;
}

void CQlm3DInteractor9::SetPickLayer2() {
  for (int cell = 0; cell < CQlmInteractorStruct9::CellCount; ++cell) {
    this->Record->PickRenderer[cell] = this->Record->Renderer2[cell];
  }
}

void CQlm3DInteractor9::SetPickLayer1() {
  for (int cell = 0; cell < CQlmInteractorStruct9::CellCount; ++cell) {
    this->Record->PickRenderer[cell] = this->Record->Renderer1[cell];
  }
}

vtkRenderer* CQlm3DInteractor9::CoordinateRenderer() { return this->Record->Renderer3[this->Record->CurrentCell]; }

QWidget* CQlm3DInteractor9::HostWindow() { return this->Window ? this->Window->GetHostWindow() : nullptr; }

bool CQlm3DInteractor9::PickActorAt(int x, int y) {
  this->Picker->Pick(x, y, 1.0, this->Record->PickRenderer[this->Record->CurrentCell]);
  return this->Picker->GetActor() != nullptr;
}

void CQlm3DInteractor9::Pick(int x, int y) {
  this->PickWithSearch(x, y);
  this->Record->PickedActor = this->Picker->GetActor();
}
