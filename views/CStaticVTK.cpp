#include "views/CStaticVTK.h"

#include "views/CQlmBorderWindow.h"
#include "views/CQlmTitleWindow.h"
#include "views/QlmInteraction.h"

CStaticVTK::CStaticVTK() : CStaticPreview("Geometria 3D", QlmState::DragZoom) {
  this->GetBorder()->SetColor(0, 0, 0);
  this->GetTitle()->SetColor(0, 0, 0);
}

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
