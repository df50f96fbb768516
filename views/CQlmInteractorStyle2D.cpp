#include "views/CQlmInteractorStyle2D.h"

#include <cstdint>

#include "tools/CQlmCore.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/QlmInteraction.h"

namespace {

void Activate(CQlmCore* core, CQlm3DWindow* window) { core->ActivateMain(window); }
void Activate(CQlmCore* core, CQlm3DWindow9* window) { core->ActivateCross(window); }
void Deactivate(CQlmCore* core, CQlm3DWindow* window) { core->DeactivateMain(window); }
void Deactivate(CQlmCore* core, CQlm3DWindow9* window) { core->DeactivateCross(window); }
void Dispatch(CQlmCore* core, CQlm3DWindow* window) { core->DispatchMainViewEvent(window); }
void Dispatch(CQlmCore* core, CQlm3DWindow9* window) { core->DispatchCrossViewEvent(window); }

void Store(int target[2], const int point[2]) {
  target[0] = point[0];
  target[1] = point[1];
}

bool MovesObject(int state) {
  return state == QlmState::MoveInPlaneXY || state == QlmState::MoveAlongX || state == QlmState::MoveAlongY;
}

bool SelectsFirst(int state) {
  return MovesObject(state) || state == QlmState::RotateAboutZ || state == QlmState::RotateInView;
}

bool Scales(int state) { return QlmState::InRange(state, QlmState::ScaleUniform, QlmState::ScaleXY); }

}  // namespace

template <class Interactor>
void CQlmInteractorStyle2D<Interactor>::SetCore(CQlmCore* core) {
  if (core == this->Core) return;
  if (this->Core) Deactivate(this->Core, this->GetWindow());
  this->Core = core;
  if (core) Activate(core, this->GetWindow());
}

template <class Interactor>
void CQlmInteractorStyle2D<Interactor>::CallCore() {
  if (this->Core) Dispatch(this->Core, this->GetWindow());
}

template <class Interactor>
void CQlmInteractorStyle2D<Interactor>::RenderView() {
  this->GetWindow()->Render();
}

template <class Interactor>
void CQlmInteractorStyle2D<Interactor>::SelectThenCallCore(int x, int y) {
  if (this->GetRecord()->Control) {
    this->CallCore();
    return;
  }
  this->PickAsSelection(x, y);
}

template <class Interactor>
void CQlmInteractorStyle2D<Interactor>::PickAsSelection(int x, int y) {
  this->Pick(x, y);
  this->GetRecord()->State = QlmState::Select;
  this->CallCore();
  this->GetRecord()->State = this->State;
}

template <class Interactor>
void CQlmInteractorStyle2D<Interactor>::OnLeftButtonDown(int flags, int x, int y) {
  if (!this->IsBound() || this->State == QlmState::None) return;
  int point[2];
  this->BeginEvent(flags, x, y, point);
  this->SelectCellUnderPointer(point[0], point[1]);
  Store(this->PressPosition, point);
  Store(this->LastPosition, point);
  this->GetRecord()->Event = QlmEvent::LeftDown;
  this->ActOnLeftClick(point[0], point[1], false);
}

template <class Interactor>
void CQlmInteractorStyle2D<Interactor>::OnLeftButtonDblClk(int flags, int x, int y) {
  if (!this->IsBound() || this->State == QlmState::None) return;
  auto* record = this->GetRecord();
  this->SetModifiers(flags);
  record->DoubleClickWindow[0] = x;
  record->DoubleClickWindow[1] = y;
  int point[2];
  this->WindowToDisplay(x, y, point);
  Store(this->PressPosition, point);
  Store(record->DoubleClickDisplay, point);
  Store(this->LastPosition, point);
  record->Event = QlmEvent::LeftDoubleClick;
  this->ActOnLeftClick(point[0], point[1], true);
}

template <class Interactor>
void CQlmInteractorStyle2D<Interactor>::ActOnLeftClick(int x, int y, bool doubleClick) {
  const int state = this->State;
  if (state == QlmState::Select) {
    this->Pick(x, y);
    this->CallCore();
  } else if (SelectsFirst(state)) {
    this->SelectThenCallCore(x, y);
  } else if (Scales(state)) {
    if (!doubleClick) this->PickAsSelection(x, y);
  } else if (state == QlmState::PointOnPlaneZ) {
    this->Pick(x, y);
    this->PickPointOnPlane(x, y);
    this->CallCore();
  } else if (state == QlmState::ZoomIn) {
    this->ZoomIn();
    this->RenderView();
  } else if (state == QlmState::ZoomOut) {
    this->ZoomOut();
    this->RenderView();
  } else if (state == QlmState::ZoomReset) {
    this->FitToWindow();
    this->RenderView();
  }
}

template <class Interactor>
void CQlmInteractorStyle2D<Interactor>::OnMouseMove(int flags, int x, int y) {
  if (!this->IsBound()) return;
  int point[2];
  this->BeginEvent(flags, x, y, point);
  auto* record = this->GetRecord();
  record->Event = QlmEvent::MouseMove;
  if (record->MiddleButton) {
    this->Pan(point[0], point[1], this->LastPosition[0], this->LastPosition[1]);
    this->RenderView();
  }
  if (this->State != QlmState::None && record->LeftButton) this->ActOnLeftDrag(point[0], point[1]);
  Store(this->LastPosition, point);
}

template <class Interactor>
void CQlmInteractorStyle2D<Interactor>::ActOnLeftDrag(int x, int y) {
  const int state = this->State;
  const int lastX = this->LastPosition[0];
  const int lastY = this->LastPosition[1];
  if (MovesObject(state)) {
    this->MoveObject(x, y);
    this->CallCore();
  } else if (state == QlmState::RotateAboutZ) {
    this->RotateObject(lastX - x, lastY - y);
    this->CallCore();
  } else if (state == QlmState::RotateInView) {
    this->RotateObjectInView(x, y, lastX, lastY);
    this->CallCore();
  } else if (Scales(state)) {
    this->ScaleObject(lastX - x, lastY - y);
    this->CallCore();
  } else if (state == QlmState::Pan) {
    this->Pan(x, y, lastX, lastY);
    this->RenderView();
  } else if (state == QlmState::AreaZoom) {
    this->DrawZoomRectangle(x, y);
  } else if (state == QlmState::DragZoom) {
    this->DragZoom(x - lastX, y - lastY);
    this->RenderView();
  } else if (state == QlmState::PointOnPlaneZ) {
    this->PickPointOnPlane(x, y);
    this->CallCore();
  }
}

template <class Interactor>
void CQlmInteractorStyle2D<Interactor>::OnLeftButtonUp(int flags, int x, int y) {
  if (!this->IsBound() || this->State == QlmState::None) return;
  int point[2];
  this->BeginEvent(flags, x, y, point);
  Store(this->ReleasePosition, point);
  this->GetRecord()->Event = QlmEvent::LeftUp;
  this->ActOnLeftRelease(point[0], point[1]);
}

template <class Interactor>
void CQlmInteractorStyle2D<Interactor>::ActOnLeftRelease(int x, int y) {
  const int state = this->State;
  if (state == QlmState::Select || SelectsFirst(state) || Scales(state)) {
    this->CallCore();
  } else if (state == QlmState::Pan || state == QlmState::ZoomAboutPivot || state == QlmState::ZoomAboutCenter) {
    this->RenderView();
  } else if (state == QlmState::AreaZoom) {
    this->AreaZoom();
    this->RenderView();
  } else if (state == QlmState::PointOnPlaneZ) {
    this->PickPointOnPlane(x, y);
    this->CallCore();
  }
}

template <class Interactor>
void CQlmInteractorStyle2D<Interactor>::OnRightButtonDown(int flags, int x, int y) {
  if (!this->IsBound() || this->State == QlmState::None) return;
  auto* record = this->GetRecord();
  this->SetModifiers(flags);
  record->RightPressWindow[0] = x;
  record->RightPressWindow[1] = y;
  int point[2];
  this->WindowToDisplay(x, y, point);
  this->SelectCellUnderPointer(point[0], point[1]);
  Store(this->RightPressPosition, point);
  Store(record->RightPressDisplay, point);
  record->Event = QlmEvent::RightDown;
  this->ActOnRightPress(point[0], point[1]);
}

template <class Interactor>
void CQlmInteractorStyle2D<Interactor>::ActOnRightPress(int x, int y) {
  const int state = this->State;
  if (state == QlmState::Select || state == QlmState::RotateInView) {
    this->Pick(x, y);
    this->CallCore();
  } else if (state == QlmState::MoveInPlaneXY) {
    this->SelectThenCallCore(x, y);
  } else if (state == QlmState::PointOnPlaneZ) {
    this->Pick(x, y);
    this->PickPointOnPlane(x, y);
    this->CallCore();
  }
}

template <class Interactor>
void CQlmInteractorStyle2D<Interactor>::OnRightButtonUp(int flags, int x, int y) {
  if (!this->IsBound() || this->State == QlmState::None) return;
  int point[2];
  this->BeginEvent(flags, x, y, point);
  Store(this->RightReleasePosition, point);
  this->GetRecord()->Event = QlmEvent::RightUp;
  if (this->State == QlmState::MoveInPlaneXY && this->CoreGetsRightRelease()) this->CallCore();
}

template <class Interactor>
void CQlmInteractorStyle2D<Interactor>::OnMouseWheel(int /*flags*/, int delta, int /*x*/, int /*y*/) {
  const int16_t steps = static_cast<int16_t>(delta);
  if (!this->IsBound() || steps == 0) return;
  if (steps / 120.0 < 0) {
    this->WheelZoomOut();
  } else {
    this->WheelZoomIn();
  }
  this->RenderView();
}

template class CQlmInteractorStyle2D<CQlm2DInteractor>;
template class CQlmInteractorStyle2D<CQlm2DInteractor9>;
