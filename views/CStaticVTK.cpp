#include "views/CStaticVTK.h"

#include "views/QlmInteraction.h"

CStaticVTK::CStaticVTK() : CStaticPreview(QlmState::DragZoom) {}

// The style pans while the middle button is held (its flag rides on each move).
void CStaticVTK::OnMButtonDown(UINT, CPoint point) {
  this->ChooseRotationCursor(point);
  this->UpdateCursor();
}

void CStaticVTK::OnMButtonUp(UINT flags, CPoint point) {
  this->ChooseRotationCursor(point);
  this->UpdateCursor();
  this->GetInteractorStyle()->OnMiddleButtonUp(flags, point.x, point.y);
}

void CStaticVTK::OnMouseWheel(UINT flags, short delta, CPoint point) {
  this->UpdateCursor();
  this->GetInteractorStyle()->OnMouseWheel(flags, delta, point.x, point.y);
}
