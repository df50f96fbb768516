#include "views/C3DWnd.h"

#include "app/CQlmQuorvantile.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlmInteractorStyle3.h"
#include "views/QlmView.h"
#include "views/QlmViewCursor.h"

namespace {

constexpr int RotateTool = 3;

}  // namespace

// The wrapper's picture covers the whole client area: nothing is erased
// first. Moves without a button arrive too (cursor, rotation cursor).
int C3DWnd::OnCreate() {
  this->GetSafeHwnd()->setAttribute(Qt::WA_OpaquePaintEvent);
  this->GetSafeHwnd()->setMouseTracking(true);
  this->RotationCursor = QlmViewCursor::RotateInside;
  this->MiddleHeld = 0;
  return 0;
}

bool C3DWnd::IsLive() const {
  return this->Quorvantile && this->GetStyle() && this->Quorvantile->Window3D && this->Quorvantile->Window3D->Enabled;
}

CQlmInteractorStyle3* C3DWnd::GetStyle() const { return this->Quorvantile->Style3D; }

void C3DWnd::UpdateCursor() {
  if (!this->Quorvantile) return;
  int entry = QlmViewCursor::Default;
  if (this->IsLive()) {
    entry = this->MiddleHeld
                ? QlmViewCursor::Pan
                : QlmViewCursor::ForTool(QlmView::View3D, this->Quorvantile->Tool, false, this->RotationCursor);
  }
  if (entry != QlmViewCursor::Keep) this->SetCursor(this->Quorvantile->Cursors[entry]);
}

void C3DWnd::ChooseRotationCursor(CPoint point) {
  if (this->Quorvantile->Tool != RotateTool) return;
  const int* size = this->Quorvantile->Window3D->RenderWindow->GetSize();
  this->RotationCursor = QlmViewCursor::RotationEntry(size[0], size[1], point.x, point.y);
}

void C3DWnd::OnLButtonDown(UINT flags, CPoint point) {
  if (!this->IsLive()) {
    this->UpdateCursor();
    return;
  }
  this->ChooseRotationCursor(point);
  this->SetFocus();
  this->UpdateCursor();
  this->GetStyle()->OnLeftButtonDown(flags, point.x, point.y);
}

void C3DWnd::OnLButtonDblClk(UINT flags, CPoint point) {
  this->UpdateCursor();
  if (!this->IsLive()) return;
  this->GetStyle()->OnLeftButtonDblClk(flags, point.x, point.y);
}

void C3DWnd::OnLButtonUp(UINT flags, CPoint point) {
  if (!this->IsLive()) {
    this->UpdateCursor();
    return;
  }
  this->ChooseRotationCursor(point);
  this->UpdateCursor();
  this->GetStyle()->OnLeftButtonUp(flags, point.x, point.y);
}

void C3DWnd::OnRButtonDown(UINT flags, CPoint point) {
  this->UpdateCursor();
  if (!this->IsLive()) return;
  this->SetFocus();
  this->GetStyle()->OnRightButtonDown(flags, point.x, point.y);
}

void C3DWnd::OnRButtonUp(UINT flags, CPoint point) {
  this->UpdateCursor();
  if (!this->IsLive()) return;
  this->GetStyle()->OnRightButtonUp(flags, point.x, point.y);
}

void C3DWnd::OnRButtonDblClk(UINT, CPoint) { this->UpdateCursor(); }

void C3DWnd::OnMButtonDown(UINT, CPoint) {
  if (!this->IsLive()) {
    this->UpdateCursor();
    return;
  }
  this->MiddleHeld = 1;
  this->SetFocus();
  this->UpdateCursor();
}

// The style ends a camera drag whatever its state.
void C3DWnd::OnMButtonUp(UINT flags, CPoint point) {
  if (!this->IsLive()) {
    this->UpdateCursor();
    return;
  }
  this->MiddleHeld = 0;
  this->UpdateCursor();
  this->GetStyle()->OnMiddleButtonUp(flags, point.x, point.y);
}

void C3DWnd::OnMouseMove(UINT flags, CPoint point) {
  if (!this->IsLive()) {
    this->UpdateCursor();
    return;
  }
  const bool leftHeld = (flags & MK_LBUTTON) != 0;
  if (!leftHeld) this->ChooseRotationCursor(point);
  this->UpdateCursor();
  this->GetStyle()->OnMouseMove(flags, point.x, point.y);
  if (leftHeld && this->Quorvantile->Tool != 0) this->Quorvantile->Modified = 1;
}

void C3DWnd::OnMouseWheel(UINT flags, short delta, CPoint point) {
  if (!this->IsLive()) {
    this->UpdateCursor();
    return;
  }
  this->SetFocus();
  this->UpdateCursor();
  this->GetStyle()->OnMouseWheel(flags, delta, point.x, point.y);
}

void C3DWnd::OnKeyDown(UINT key, UINT repeat, UINT flags) {
  if (this->IsLive()) this->Quorvantile->On3DViewKeyDown(key, repeat, flags);
}
