#include "views/CQlm2DInteractor.h"

#include <vtkRenderer.h>

#include <new>

CQlm2DInteractor* CQlm2DInteractor::New() { return new (std::nothrow) CQlm2DInteractor; }

void CQlm2DInteractor::FitToWindow() { this->FitTo(*this); }

void CQlm2DInteractor::DragZoom(int dx, int dy) {
  this->DragZoomBy(*this, this->GetRecord()->PickRenderer->GetCenter()[1], dx, dy);
}

void CQlm2DInteractor::Pan(int x0, int y0, int x1, int y1) { this->PanWithin(*this, x0, y0, x1, y1); }

void CQlm2DInteractor::AreaZoom() { this->AreaZoomTo(*this, 1); }

void CQlm2DInteractor::ZoomIn() {
  const double* centre = this->GetRecord()->Renderer->GetCenter();
  this->ZoomInAt(*this, static_cast<int>(centre[0]), static_cast<int>(centre[1]));
}

void CQlm2DInteractor::ZoomOut() { this->ZoomStepOut(*this); }

void CQlm2DInteractor::WheelZoomIn() { this->ZoomStepIn(*this); }

void CQlm2DInteractor::WheelZoomOut() { this->ZoomStepOut(*this); }
