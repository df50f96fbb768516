#include "objects/CQlmHULine9.h"

#include <vtkActor.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>

#include "ct/CQlmLayeredWindow9.h"
#include "toolkit/vtkHULineSource.h"

namespace {
constexpr int LineLayer = 1;
}

CQlmHULine9::CQlmHULine9() {
  for (int cell = 0; cell < Cells; ++cell) {
    this->Mappers[cell]->SetInputConnection(this->Source->GetOutputPort());
    this->Actors[cell]->SetMapper(this->Mappers[cell]);
    this->Actors[cell]->GetProperty()->LightingOff();
  }
  this->SetColor(this->Color[0], this->Color[1], this->Color[2]);
}

CQlmHULine9::~CQlmHULine9() = default;

void CQlmHULine9::AddToRenderer() {
  if (!this->Window) return;
  for (int cell = 0; cell < Cells; ++cell) {
    if (vtkRenderer* renderer = this->Window->GetCellLayerRenderer(cell, LineLayer)) {
      renderer->AddActor(this->Actors[cell]);
    }
  }
}

void CQlmHULine9::RemoveFromRenderer() {
  if (!this->Window) return;
  for (int cell = 0; cell < Cells; ++cell) {
    if (vtkRenderer* renderer = this->Window->GetCellLayerRenderer(cell, LineLayer)) {
      renderer->RemoveActor(this->Actors[cell]);
    }
  }
}

void CQlmHULine9::RemoveAndDelete() {
  this->RemoveFromRenderer();
  delete this;
}

void CQlmHULine9::SetColor(float r, float g, float b) {
  this->Color[0] = r;
  this->Color[1] = g;
  this->Color[2] = b;
  for (vtkActor* actor : this->Actors) actor->GetProperty()->SetColor(r, g, b);
}

void CQlmHULine9::ShowInSection(int visible, int cell) {
  for (vtkActor* actor : this->Actors) actor->VisibilityOff();
  if (cell >= 0 && cell < Cells) this->Actors[cell]->SetVisibility(visible);
}
