#include "tools/CQlmCoreObject.h"

#include <vtkMatrix4x4.h>

#include <QWidget>

#include "app/CQlmQuorvantile.h"
#include "libraries/CQlmPickList.h"
#include "platform/CQlmPrompter.h"
#include "tools/QlmUndoAction.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmInteractorStyle3.h"
#include "views/QlmInteraction.h"
#include "views/QlmView.h"

namespace {

// Renders of the views other than the event's, in this order.
constexpr int RenderOrder[] = {QlmView::Axial, QlmView::Panoramic, QlmView::Cross, QlmView::View3D};

}  // namespace

void CQlmCoreObject::ActivateCross(CQlm3DWindow9*) { PickObjectsInCross(*this->Owner); }

void CQlmCoreObject::ActivateMain(CQlm3DWindow*) { PickObjectsInMainViews(*this->Owner); }

void CQlmCoreObject::PickObjectsInCross(CQlmQuorvantile& q) { q.StyleCross->SetPickLayer2(); }

void CQlmCoreObject::PickObjectsInMainViews(CQlmQuorvantile& q) {
  CQlmInteractorStruct& record3D = *q.Style3D->GetRecord();
  record3D.PickRenderer = record3D.Renderer;
  for (CQlmInteractorStyle2* style : {q.StyleAxial, q.StylePanoramic}) {
    CQlmInteractorStruct& record = *style->GetRecord();
    record.PickRenderer = record.Renderer2;
  }
}

bool CQlmCoreObject::MatricesEqual(const double a[16], const double b[16]) {
  for (int i = 0; i < 16; ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

bool CQlmCoreObject::IsIdentity(const vtkMatrix4x4* matrix) {
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 4; ++column) {
      if (matrix->GetElement(row, column) != (row == column ? 1.0 : 0.0)) return false;
    }
  }
  return true;
}

int CQlmCoreObject::ViewOf(const CQlmQuorvantile& q, const CQlm3DWindow* window) {
  if (window == q.WindowAxial) return QlmView::Axial;
  if (window == q.WindowPanoramic) return QlmView::Panoramic;
  if (window == q.Window3D) return QlmView::View3D;
  return -1;
}

int CQlmCoreObject::MainViewCode() const { return ViewOf(*this->Owner, this->MainView); }

CQlmInteractorBase& CQlmCoreObject::StyleOf(const CQlmQuorvantile& q, int view) {
  if (view == QlmView::Axial) return *q.StyleAxial;
  if (view == QlmView::Panoramic) return *q.StylePanoramic;
  if (view == QlmView::Cross) return *q.StyleCross;
  return *q.Style3D;
}

CQlmInteractorRecord& CQlmCoreObject::RecordOf(int view) const { return StyleOf(*this->Owner, view).GetCommonRecord(); }

const void* CQlmCoreObject::LayeredWindowOf(int view) const {
  const CQlmQuorvantile& q = *this->Owner;
  if (view == QlmView::Cross) return static_cast<const CQlmLayeredWindow9*>(q.WindowCross);
  return static_cast<const CQlmLayeredWindow*>(view == QlmView::Axial ? q.WindowAxial : q.WindowPanoramic);
}

QPoint CQlmCoreObject::MenuPoint(int view) const {
  const CQlmQuorvantile& q = *this->Owner;
  const CQlmInteractorRecord& record = this->RecordOf(view);
  QWidget* host = view == QlmView::Axial       ? q.WindowAxial->GetHostWindow()
                  : view == QlmView::Panoramic ? q.WindowPanoramic->GetHostWindow()
                  : view == QlmView::View3D    ? q.Window3D->GetHostWindow()
                                               : q.WindowCross->GetHostWindow();
  const QPoint press(record.RightPressWindow[0], record.RightPressWindow[1]);
  return host ? host->mapToGlobal(press) : press;
}

bool CQlmCoreObject::RunPickList(CQlmPickList& list) {
  const INT_PTR result = list.DoModal();
  if (result == CQlmPickList::DoubleClickResult) this->SkipMoves = MovesSkippedAfterClick;
  return (result == IDOK || result == CQlmPickList::DoubleClickResult) && list.EntryChosen;
}

bool CQlmCoreObject::AskColour(const float current[3], float chosen[3]) {
  const QlmRgb initial = {int(current[0] * 255), int(current[1] * 255), int(current[2] * 255)};
  const std::optional<QlmRgb> choice = CQlmPrompter::Current().ChooseColor(initial);
  if (!choice) return false;
  for (int i = 0; i < 3; ++i) chosen[i] = (*choice)[i] / 255.0f;
  return true;
}

void CQlmCoreObject::OnMainViewEvent() {
  const int view = this->MainViewCode();
  if (view != -1) this->HandleEvent(view);
}

void CQlmCoreObject::OnCrossViewEvent() { this->HandleEvent(QlmView::Cross); }

void CQlmCoreObject::HandleEvent(int view) {
  if (this->Mode < Insert || this->Mode > Scale || !this->IsReady()) return;
  const int picked = this->Pick(view);
  switch (this->Mode) {
    case Insert:
      this->InsertStep(view, picked);
      break;
    case Move:
      this->MoveMode(view);
      break;
    case Rotate:
      this->DragStep(view, Drag::Rotate);
      break;
    case Select:
      this->InsertStep(view, 0);
      break;
    default:
      this->ScaleMode(view);
      break;
  }
  this->ContextMenuStep(view, picked);
}

void CQlmCoreObject::MoveMode(int view) {
  const CQlmInteractorRecord& record = this->RecordOf(view);
  int& latch = view == QlmView::Cross ? this->RotateLatchCross : this->RotateLatchMain;
  if (record.Event == QlmEvent::LeftDown && record.Shift) latch = 1;
  if (view == QlmView::Cross) {
    StyleOf(*this->Owner, view).SetMode(latch ? QlmState::RotateInView : QlmState::MoveInPlaneXY);
  } else if (latch) {
    this->SetMainStates(QlmState::RotateAboutZ, QlmState::RotateInView);
  } else {
    this->SetMainStates(QlmState::MoveAlongZ, QlmState::MoveInPlaneXY);
  }
  this->DragStep(view, latch ? Drag::Rotate : Drag::Move);
  if (record.Event == QlmEvent::LeftUp) latch = 0;
}

void CQlmCoreObject::ScaleMode(int view) {
  if (this->RecordOf(view).Event == QlmEvent::LeftDown) this->ChooseScaleAxis(view);
  if (view == QlmView::Cross) {
    const int axis = this->ScaleAxisCross;
    const int state = axis == 1 ? QlmState::ScaleX : axis == 2 ? QlmState::ScaleY : QlmState::ScaleXY;
    StyleOf(*this->Owner, view).SetMode(state);
    this->DragStep(view, Drag::Move);
    return;
  }
  CQlmQuorvantile& q = *this->Owner;
  switch (this->ScaleAxisMain) {
    case 0:
      q.Style3D->SetMode(QlmState::ScaleUniform);
      break;
    case 1:
      this->SetMainStates(QlmState::ScaleX, QlmState::ScaleX);
      break;
    case 2:
      this->SetMainStates(QlmState::ScaleY, QlmState::ScaleY);
      break;
    case 3:
      q.Style3D->SetMode(QlmState::ScaleZ);
      break;
    default:
      q.StyleAxial->SetMode(QlmState::ScaleXY);
      q.StylePanoramic->SetMode(QlmState::ScaleXY);
      break;
  }
  this->DragStep(view, Drag::Scale);
}

void CQlmCoreObject::ChooseScaleAxis(int view) {
  const CQlmInteractorRecord& record = this->RecordOf(view);
  if (view == QlmView::View3D) {
    this->ScaleAxisMain = record.Shift && record.Control ? 3 : record.Control ? 2 : record.Shift ? 1 : 0;
    return;
  }
  const int axis = record.Control ? 2 : record.Shift ? 1 : 4;
  (view == QlmView::Cross ? this->ScaleAxisCross : this->ScaleAxisMain) = axis;
}

void CQlmCoreObject::SetMainStates(int state3D, int state2D) {
  CQlmQuorvantile& q = *this->Owner;
  q.Style3D->SetMode(state3D);
  q.StyleAxial->SetMode(state2D);
  q.StylePanoramic->SetMode(state2D);
}

int CQlmCoreObject::Pick(int view) {
  const CQlmInteractorRecord& record = this->RecordOf(view);
  if (record.Event != QlmEvent::LeftDown && record.Event != QlmEvent::RightDown) return -1;
  const int picked = this->FindPicked(view, record.PickedActor);
  const int selected = this->GetSelectedIndex();
  if (picked == selected) {
    if (view == QlmView::View3D) {
      this->ViewDirty = 0;
      return picked;
    }
    // Nothing hit and nothing selected: an insert may follow, which the other views show.
    this->OthersDirty = this->Mode == Insert && picked == -1;
  } else {
    // A right click on empty space keeps the selection.
    if (selected != -1 && !(record.Event == QlmEvent::RightDown && picked == -1)) this->SetSelected(selected, 0);
    if (picked != -1) this->SetSelected(picked, 1);
    this->ViewDirty = 1;
    this->OthersDirty = 1;
  }
  this->ResetCutTransforms();
  this->UpdateStatusBar();
  return picked;
}

void CQlmCoreObject::ResetCutTransforms() {
  for (int view : {QlmView::Axial, QlmView::Panoramic, QlmView::Cross})
    this->RecordOf(view).ObjectTransform->Identity();
}

void CQlmCoreObject::InsertStep(int view, int picked) {
  const CQlmInteractorRecord& record = this->RecordOf(view);
  if (record.Event == QlmEvent::LeftUp) this->RenderOtherViews(view);
  if (record.Event != QlmEvent::LeftDown) return;
  this->Owner->Modified = 1;
  if (view != QlmView::View3D && picked == -1) {
    const double point[3] = {record.CursorPoint[0], record.CursorPoint[1], record.CursorPoint[2]};
    const int cell = view == QlmView::Cross ? this->Owner->StyleCross->GetRecord()->CurrentCell : -1;
    if (!this->InsertItem(this->LayeredWindowOf(view), point, cell)) return;
    this->PushUndo(QlmUndoAction::Created, this->GetSelectedIndex(), 0);
    this->UpdateStatusBar();
    this->RenderView(view);
  } else if (this->ViewDirty) {
    this->UpdateStatusBar();
    this->RenderView(view);
  }
}

void CQlmCoreObject::DragStep(int view, Drag drag) {
  if (view == QlmView::View3D) {
    this->Drag3D(drag);
  } else {
    this->Drag2D(view, drag);
  }
}

void CQlmCoreObject::Drag2D(int view, Drag drag) {
  CQlmInteractorRecord& record = this->RecordOf(view);
  const int cell = view == QlmView::Cross ? this->Owner->StyleCross->GetRecord()->CurrentCell : -1;
  vtkMatrix4x4* matrix = record.ObjectTransform->GetMatrix();
  const int selected = this->GetSelectedIndex();
  switch (record.Event) {
    case QlmEvent::LeftDown:
      this->Owner->Modified = 1;
      if (this->ViewDirty) {
        this->UpdateStatusBar();
        this->RenderView(view);
      }
      break;
    case QlmEvent::MouseMove:
      if (this->SkipMoves > 0) {
        --this->SkipMoves;
        record.ObjectTransform->Identity();
        break;
      }
      if (selected == -1) break;
      if (drag != Drag::Move) {
        double centre[3];
        this->GetPositionInView(view, selected, cell, centre);
        for (int i = 0; i < 3; ++i) record.PivotPoint[i] = static_cast<float>(centre[i]);
      }
      this->PreviewDrag(view, selected, cell, matrix->GetData());
      this->RenderView(view);
      break;
    case QlmEvent::LeftUp:
      // Without a selection the transform stays: it may be another family's drag.
      if (selected != -1) {
        if (!IsIdentity(matrix)) {
          this->PushUndo(QlmUndoAction::Placement, selected, 0);
          this->CommitDrag(view, selected, cell);
          this->UpdateStatusBar();
          this->RenderView(view);
          this->OthersDirty = 1;
        }
        record.ObjectTransform->Identity();
      }
      this->RenderOtherViews(view);
      break;
    default:
      break;
  }
}

void CQlmCoreObject::Drag3D(Drag drag) {
  CQlmInteractorRecord& record = this->RecordOf(QlmView::View3D);
  const int selected = this->GetSelectedIndex();
  switch (record.Event) {
    case QlmEvent::LeftDown:
      if (drag == Drag::Move) this->SkipMoves = 0;
      this->Owner->Modified = 1;
      if (selected != -1) {
        // The drag starts from the object's own placement.
        this->GetPlacement(selected, this->DragStart);
        for (vtkTransform* transform : {record.ObjectTransform.Get(), record.FrameTransform.Get()}) {
          transform->Identity();
          transform->Concatenate(this->DragStart);
        }
      }
      if (this->ViewDirty) {
        this->UpdateStatusBar();
        this->RenderView(QlmView::View3D);
      }
      break;
    case QlmEvent::MouseMove:
      if (drag != Drag::Scale && this->SkipMoves > 0) {
        --this->SkipMoves;
        record.ObjectTransform->Identity();
        break;
      }
      if (selected == -1) break;
      vtkMatrix4x4::DeepCopy(this->DragCurrent, record.ObjectTransform->GetMatrix());
      if (MatricesEqual(this->DragCurrent, this->DragStart)) break;
      this->SetPlacement(selected, this->DragCurrent);
      this->RenderView(QlmView::View3D);
      this->OthersDirty = 1;
      break;
    case QlmEvent::LeftUp:
      if (selected != -1) {
        this->GetPlacement(selected, this->DragEnd);
        if (!MatricesEqual(this->DragEnd, this->DragStart)) {
          // The snapshot holds the placement before the drag.
          this->SetPlacement(selected, this->DragStart);
          this->PushUndo(QlmUndoAction::Placement, selected, 0);
          this->SetPlacement(selected, this->DragEnd);
          this->RenderView(QlmView::View3D);
          this->OthersDirty = 1;
        }
        record.ObjectTransform->Identity();
        record.FrameTransform->Identity();
      }
      this->ViewDirty = 0;
      this->RenderOtherViews(QlmView::View3D);
      break;
    default:
      break;
  }
}

void CQlmCoreObject::ContextMenuStep(int view, int picked) {
  if (this->RecordOf(view).Event != QlmEvent::RightDown || picked == -1) return;
  if (picked == this->GetSelectedIndex()) this->RunContextMenu(view, picked);
}

void CQlmCoreObject::FlushRenders(int view) {
  if (this->ViewDirty) this->RenderView(view);
  this->RenderOtherViews(view);
  this->ViewDirty = 0;
}

void CQlmCoreObject::RenderView(int view) {
  RenderWindow(*this->Owner, view);
  this->ViewDirty = 0;
}

void CQlmCoreObject::RenderOtherViews(int view) {
  if (!this->OthersDirty) return;
  this->OthersDirty = 0;
  for (int other : RenderOrder) {
    if (other != view) RenderWindow(*this->Owner, other);
  }
}

void CQlmCoreObject::RenderAllViews() {
  for (int view : RenderOrder) RenderWindow(*this->Owner, view);
}

bool CQlmCoreObject::FinishUndo(bool acted) {
  if (acted) {
    this->UpdateStatusBar();
    this->RenderAllViews();
  }
  return acted;
}

void CQlmCoreObject::RenderWindow(const CQlmQuorvantile& q, int view) {
  if (view == QlmView::Axial) q.WindowAxial->Render();
  if (view == QlmView::Panoramic) q.WindowPanoramic->Render();
  if (view == QlmView::Cross) q.WindowCross->Render();
  if (view == QlmView::View3D) q.Window3D->Render();
}
