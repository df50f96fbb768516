#include "views/CQlmInteractorStyle3.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <new>

#include "app/CQlmDegradation.h"
#include "tools/CQlmCore.h"
#include "views/CQlm3DWindow.h"
#include "views/QlmInteraction.h"

namespace {

void Store(int target[2], const int point[2]) {
  target[0] = point[0];
  target[1] = point[1];
}

using QlmState::InRange;

// States whose press picks and whose drag moves, rotates or scales the picked object.
bool ManipulatesObject(int state) {
  return InRange(state, QlmState::MoveInPlaneXY, QlmState::DragAlongZ) ||
         InRange(state, QlmState::RotateFirst, QlmState::RotateAboutZ) ||
         InRange(state, QlmState::ScaleUniform, QlmState::ScaleZ);
}

bool RotatesOrRolls(int state) { return state == QlmState::RotateAboutPivot || state == QlmState::RotateAboutCenter; }

// Camera drags that end with EndInteraction and a render on the left release.
bool DragsCamera(int state) {
  return state == QlmState::Pan || RotatesOrRolls(state) || state == QlmState::ZoomAboutPivot ||
         state == QlmState::ZoomAboutCenter || state == QlmState::DragZoom;
}

}  // namespace

CQlmInteractorStyle3* CQlmInteractorStyle3::New() { return new (std::nothrow) CQlmInteractorStyle3; }

void CQlmInteractorStyle3::SetCore(CQlmCore* core) {
  if (core == this->Core) return;
  if (this->Core) this->Core->DeactivateMain(this->GetWindow());
  this->Core = core;
  if (core) core->ActivateMain(this->GetWindow());
}

void CQlmInteractorStyle3::CallCore() {
  if (this->Core) this->Core->DispatchMainViewEvent(this->GetWindow());
}

void CQlmInteractorStyle3::RenderView() { this->GetWindow()->Render(); }

void CQlmInteractorStyle3::StartInteraction() {
  if (this->Degradation) this->Degradation->StartInteraction();
}

void CQlmInteractorStyle3::EndInteraction() {
  if (this->Degradation) this->Degradation->EndInteraction();
}

void CQlmInteractorStyle3::UpdateRotationCircle() {
  int width = 0;
  int height = 0;
  this->GetWindowSize(width, height);
  const float dx = static_cast<float>(this->LastPosition[0] - width / 2);
  const float dy = static_cast<float>(this->LastPosition[1] - height / 2);
  const float distance = std::sqrt(dx * dx + dy * dy);
  this->InsideRotationCircle = std::min(width, height) / 3.0 > distance ? 1 : 0;
}

void CQlmInteractorStyle3::OnLeftButtonDown(int flags, int x, int y) {
  if (!this->IsBound() || this->State == QlmState::None) return;
  int point[2];
  this->BeginEvent(flags, x, y, point);
  Store(this->PressPosition, point);
  Store(this->LastPosition, point);
  this->GetRecord()->Event = QlmEvent::LeftDown;
  this->ActOnLeftClick(point[0], point[1], false);
}

void CQlmInteractorStyle3::OnLeftButtonDblClk(int flags, int x, int y) {
  if (!this->IsBound() || this->State == QlmState::None) return;
  int point[2];
  this->BeginEvent(flags, x, y, point);
  Store(this->PressPosition, point);
  Store(this->LastPosition, point);
  this->GetRecord()->Event = QlmEvent::LeftDoubleClick;
  this->ActOnLeftClick(point[0], point[1], true);
}

void CQlmInteractorStyle3::ActOnLeftClick(int x, int y, bool doubleClick) {
  const int state = this->State;
  if (state == QlmState::Select) {
    this->Pick(x, y);
    this->CallCore();
  } else if (ManipulatesObject(state)) {
    if (!doubleClick) this->Pick(x, y);
    this->CallCore();
  } else if (state == QlmState::DragZoom) {
    this->UpdateRotationCircle();
  } else if (InRange(state, QlmState::PointOnPlaneZ, QlmState::PointOnPlaneX)) {
    this->PickPointOnPlane(x, y);
    this->CallCore();
  } else if (state == QlmState::CursorPoint) {
    if (doubleClick) return;
    this->PickCursorPoint(x, y);
    this->CallCore();
  } else if (state == QlmState::ZoomIn) {
    this->ZoomIn();
    this->RenderView();
  } else if (state == QlmState::ZoomOut) {
    this->ZoomOut();
    this->RenderView();
  } else if (state == QlmState::ZoomReset) {
    this->ResetZoom();
    this->RenderView();
  }
}

void CQlmInteractorStyle3::OnMouseMove(int flags, int x, int y) {
  if (!this->IsBound()) return;
  int point[2];
  this->BeginEvent(flags, x, y, point);
  CQlmInteractorStruct* record = this->GetRecord();
  record->Event = QlmEvent::MouseMove;
  if (record->MiddleButton) {
    this->StartInteraction();
    this->Pan(point[0], point[1], this->LastPosition[0], this->LastPosition[1]);
    this->RenderView();
  }
  const bool rolls = RotatesOrRolls(this->State) && record->RightButton;
  if (this->State != QlmState::None && (record->LeftButton || rolls)) this->ActOnDrag(point[0], point[1]);
  Store(this->LastPosition, point);
}

void CQlmInteractorStyle3::ActOnDrag(int x, int y) {
  const int state = this->State;
  const int lastX = this->LastPosition[0];
  const int lastY = this->LastPosition[1];
  const bool left = this->GetRecord()->LeftButton;
  if (InRange(state, QlmState::MoveInPlaneXY, QlmState::MoveAlongZ)) {
    this->StartInteraction();
    this->MoveObject(x, y);
    this->CallCore();
  } else if (InRange(state, QlmState::DragAlongX, QlmState::DragAlongZ)) {
    this->StartInteraction();
    this->MoveObjectAlongAxis(x, y);
    this->CallCore();
  } else if (InRange(state, QlmState::RotateFirst, QlmState::RotateAboutZ)) {
    this->StartInteraction();
    this->RotateObject(lastX - x, lastY - y);
    this->CallCore();
  } else if (InRange(state, QlmState::ScaleUniform, QlmState::ScaleZ)) {
    this->StartInteraction();
    this->ScaleObject(lastX - x, lastY - y);
    this->CallCore();
  } else if (state == QlmState::Pan) {
    this->StartInteraction();
    this->Pan(x, y, lastX, lastY);
    this->RenderView();
  } else if (state == QlmState::RotateAboutPivot) {
    this->StartInteraction();
    if (left) {
      this->RotateAboutPivot(x - lastX, y - lastY);
    } else {
      this->RollAboutPivot(lastX, lastY, x, y);
    }
    this->RenderView();
  } else if (state == QlmState::RotateAboutCenter) {
    this->StartInteraction();
    if (left) {
      this->RotateAboutCenter(x - lastX, y - lastY);
    } else {
      this->RollAboutCenter(lastX, lastY, x, y);
    }
    this->RenderView();
  } else if (state == QlmState::ZoomAboutPivot) {
    this->StartInteraction();
    this->ZoomAboutPivot(x - lastX, y - lastY);
    this->RenderView();
  } else if (state == QlmState::ZoomAboutCenter) {
    this->StartInteraction();
    this->ZoomAboutCenter(x - lastX, y - lastY);
    this->RenderView();
  } else if (state == QlmState::AreaZoom) {
    this->DrawZoomRectangle(x, y);
  } else if (state == QlmState::DragZoom) {
    this->StartInteraction();
    if (this->InsideRotationCircle) {
      this->RotateAboutCenter(x - lastX, y - lastY);
    } else {
      this->RollAboutCenter(lastX, lastY, x, y);
    }
    this->RenderView();
  } else if (state == QlmState::PointOnPlaneZ) {
    this->PickPointOnPlane(x, y);
    this->CallCore();
  } else if (state == QlmState::CursorPoint) {
    this->DragCursorPoint(x, y);
    this->CallCore();
  }
}

void CQlmInteractorStyle3::OnLeftButtonUp(int flags, int x, int y) {
  if (!this->IsBound() || this->State == QlmState::None) return;
  int point[2];
  this->BeginEvent(flags, x, y, point);
  Store(this->ReleasePosition, point);
  this->GetRecord()->Event = QlmEvent::LeftUp;
  this->ActOnLeftRelease(point[0], point[1]);
}

void CQlmInteractorStyle3::ActOnLeftRelease(int x, int y) {
  const int state = this->State;
  if (state == QlmState::Select) {
    this->CallCore();
  } else if (ManipulatesObject(state)) {
    this->EndInteraction();
    this->CallCore();
  } else if (DragsCamera(state)) {
    this->EndInteraction();
    this->RenderView();
  } else if (state == QlmState::AreaZoom) {
    this->EndInteraction();
    this->AreaZoom();
    this->RenderView();
  } else if (state == QlmState::PointOnPlaneZ) {
    this->PickPointOnPlane(x, y);
    this->CallCore();
  } else if (state == QlmState::CursorPoint) {
    this->PickCursorPoint(x, y);
    this->CallCore();
  }
}

void CQlmInteractorStyle3::OnRightButtonDown(int flags, int x, int y) {
  if (!this->IsBound() || this->State == QlmState::None) return;
  CQlmInteractorStruct* record = this->GetRecord();
  this->SetModifiers(flags);
  record->RightPressWindow[0] = x;
  record->RightPressWindow[1] = y;
  int point[2];
  this->WindowToDisplay(x, y, point);
  Store(this->RightPressPosition, point);
  Store(record->RightPressDisplay, point);
  record->Event = QlmEvent::RightDown;
  const int state = this->State;
  if (state == QlmState::Select || state == QlmState::MoveAlongZ || state == QlmState::RotateAboutZ) {
    this->Pick(point[0], point[1]);
    this->CallCore();
  }
}

void CQlmInteractorStyle3::OnRightButtonUp(int flags, int x, int y) {
  if (!this->IsBound() || this->State == QlmState::None) return;
  int point[2];
  this->BeginEvent(flags, x, y, point);
  Store(this->RightReleasePosition, point);
  if (RotatesOrRolls(this->State)) {
    this->EndInteraction();
    this->RenderView();
  }
}

void CQlmInteractorStyle3::OnMiddleButtonUp(int flags, int /*x*/, int /*y*/) {
  if (!this->IsBound()) return;
  this->SetModifiers(flags);
  this->EndInteraction();
  this->RenderView();
}

void CQlmInteractorStyle3::OnMouseWheel(int /*flags*/, int delta, int /*x*/, int /*y*/) {
  const int16_t steps = static_cast<int16_t>(delta);
  if (!this->IsBound() || steps == 0) return;
  if (steps / 120.0 < 0) {
    this->WheelZoomOut();
  } else {
    this->WheelZoomIn();
  }
  this->RenderView();
}
