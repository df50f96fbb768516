#include "views/CQlm2DInteractor9.h"

#include <vtkRenderer.h>

#include <new>

#include "views/CQlm3DWindow9.h"

namespace {
constexpr int CellsAcross = 3;
}

CQlm2DInteractor9* CQlm2DInteractor9::New() { return new (std::nothrow) CQlm2DInteractor9; }

void CQlm2DInteractor9::FitToWindow() { this->FitTo(*this); }

void CQlm2DInteractor9::DragZoom(int dx, int dy) {
  const double centreY = this->GetRecord()->Renderer3[CQlm3DWindow9::CentreCell]->GetCenter()[1];
  this->DragZoomBy(*this, centreY, dx, dy);
}

void CQlm2DInteractor9::Pan(int x0, int y0, int x1, int y1) { this->PanWithin(*this, x0, y0, x1, y1); }

void CQlm2DInteractor9::AreaZoom() { this->AreaZoomTo(*this, CellsAcross); }

void CQlm2DInteractor9::ZoomIn() {
  CQlmInteractorStruct9* record = this->GetRecord();
  const double* centre = record->PickRenderer[record->CurrentCell]->GetCenter();
  this->ZoomInAt(*this, static_cast<int>(centre[0]), static_cast<int>(centre[1]));
}

void CQlm2DInteractor9::ZoomOut() { this->ZoomStepOut(*this); }

void CQlm2DInteractor9::WheelZoomIn() { this->ZoomStepIn(*this); }

void CQlm2DInteractor9::WheelZoomOut() { this->ZoomStepOut(*this); }
