#include "ct/CQlmCTViewer92.h"

#include "ct/CQlmCTViewer2.h"
#include "ct/CQlmLayeredWindow9.h"

#include <vtkImageData.h>
#include <vtkRenderer.h>

CQlmCTViewer92::CQlmCTViewer92() {
  for (int cell = 0; cell < CellCount; ++cell) {
    this->Mappers[cell]->SetInputConnection(this->WindowLevelFilter->GetOutputPort());
    this->Mappers[cell]->SetZSlice(cell);
    this->Actors[cell]->SetMapper(this->Mappers[cell]);
    this->Actors[cell]->VisibilityOn();
    this->Actors[cell]->PickableOff();
  }
}

CQlmCTViewer92::~CQlmCTViewer92() { this->RemoveFromRenderers(); }

void CQlmCTViewer92::SetInput(vtkImageData* image) {
  this->Input = image;
  this->WindowLevelFilter->SetInputData(image);
}

void CQlmCTViewer92::AddToRenderers() {
  if (!this->Window) return;
  for (int cell = 0; cell < CellCount; ++cell) {
    if (vtkRenderer* renderer = this->Window->GetCellLayerRenderer(cell, 3)) renderer->AddViewProp(this->Actors[cell]);
  }
}

void CQlmCTViewer92::RemoveFromRenderers() {
  if (!this->Window) return;
  for (int cell = 0; cell < CellCount; ++cell) {
    if (vtkRenderer* renderer = this->Window->GetCellLayerRenderer(cell, 3)) {
      renderer->RemoveViewProp(this->Actors[cell]);
    }
  }
}

void CQlmCTViewer92::SetMinimum(float value) { CQlmCTViewer2::SetWindowMinimum(this->WindowLevelFilter, value); }

void CQlmCTViewer92::SetMaximum(float value) { CQlmCTViewer2::SetWindowMaximum(this->WindowLevelFilter, value); }

void CQlmCTViewer92::SetInterpolation(int flag) {
  for (auto& mapper : this->Mappers) mapper->SetInterpolation(flag);
}
