#include "objects/CQlmHULineBase.h"

#include <vtkActor.h>
#include <vtkMatrix4x4.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>

#include "ct/CQlmLayeredWindow.h"

namespace {
constexpr int LineLayer = 1;
}

CQlmHULineBase::CQlmHULineBase() {
  this->Actor->SetMapper(this->Mapper);
  this->Actor->SetUserMatrix(this->UserMatrix);
  this->Actor->GetProperty()->LightingOff();
}

CQlmHULineBase::~CQlmHULineBase() = default;

void CQlmHULineBase::AddToRenderer() {
  if (!this->Window) return;
  if (vtkRenderer* renderer = this->Window->GetLayerRenderer(LineLayer)) renderer->AddActor(this->Actor);
}

void CQlmHULineBase::RemoveAndDelete() {
  if (this->Window) {
    if (vtkRenderer* renderer = this->Window->GetLayerRenderer(LineLayer)) renderer->RemoveActor(this->Actor);
  }
  delete this;
}
