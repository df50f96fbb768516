#include "views/CQlmLabelOverlay.h"

#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkPolyDataMapper.h>
#include <vtkRenderer.h>

#include "ct/CQlmLayeredWindow.h"
#include "toolkit/vtkLabelWindowSource.h"

CQlmLabelOverlay::CQlmLabelOverlay(vtkLabelWindowSource* source, std::vector<vtkActor2D*> texts)
    : Source(source), Texts(std::move(texts)) {
  this->Mapper->SetInputConnection(this->Source->GetOutputPort());
  this->FrameActor->SetMapper(this->Mapper);
  this->FrameActor->PickableOff();
  for (vtkActor2D* text : this->Texts) text->PickableOff();
}

CQlmLabelOverlay::~CQlmLabelOverlay() {
  if (this->Window) {
    this->Window->GetLayerRenderer(3)->RemoveViewProp(this->FrameActor);
    for (vtkActor2D* text : this->Texts) this->Window->GetLayerRenderer(0)->RemoveViewProp(text);
  }
  this->Source->Delete();
}

void CQlmLabelOverlay::SetWindow(CQlmLayeredWindow* window) {
  this->Window = window;
  this->Source->SetViewport(window ? window->GetLayerRenderer(0) : nullptr);
}

void CQlmLabelOverlay::SetOffScreenWindow(CQlmLayeredWindow* copy) {
  this->Source->SetViewport(copy ? copy->GetLayerRenderer(0) : nullptr);
}

void CQlmLabelOverlay::AddToWindow() {
  if (!this->Window) return;
  this->Window->GetLayerRenderer(3)->AddViewProp(this->FrameActor);
  for (vtkActor2D* text : this->Texts) this->Window->GetLayerRenderer(0)->AddViewProp(text);
}
