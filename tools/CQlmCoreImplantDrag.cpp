// The implant tool's steps per mode and its drags: move and rotate in the 2D
// views with the guide ring following, and the 3D drag.
#include <vtkMatrix4x4.h>
#include <vtkTransform.h>

#include <algorithm>
#include <iterator>

#include "app/CQlmQuorvantile.h"
#include "objects/CQlmImplant3D.h"
#include "objects/CQlmImplantRingAxial.h"
#include "objects/CQlmImplantRingCross9.h"
#include "objects/CQlmImplantRingPanoramic.h"
#include "objects/CQlmImplantRings.h"
#include "objects/CQlmImplants.h"
#include "toolkit/vtkImplantAxial.h"
#include "toolkit/vtkImplantCross9.h"
#include "toolkit/vtkImplantPanoramic.h"
#include "tools/CQlmCoreImplant.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmInteractorStyle3.h"
#include "views/QlmInteraction.h"
#include "views/QlmView.h"

void CQlmCoreImplant::StepCross() {
  CQlmQuorvantile& q = *this->Owner;
  CQlmInteractorStruct9& record = *q.StyleCross->GetRecord();
  const int picked = this->Pick(record, QlmView::Cross);
  if (this->Mode == Move) {
    this->LatchShiftCross();
    q.StyleCross->SetMode(this->CrossRotateLatch ? QlmState::RotateInView : QlmState::MoveInPlaneXY);
    this->CrossRotateLatch ? this->RotateCross() : this->MoveCross();
    this->ReleaseShiftCross();
  } else if (this->Mode == Rotate) {
    this->RotateCross();
  } else {
    this->Insert(record, QlmView::Cross, this->Mode == Select ? 0 : picked, record.CurrentCell);
  }
}

// The view of the core's current main window; -1 when it is none of the three.
int CQlmCoreImplant::MainViewKind() const {
  const CQlmQuorvantile& q = *this->Owner;
  if (this->MainView == q.WindowAxial) return QlmView::Axial;
  if (this->MainView == q.WindowPanoramic) return QlmView::Panoramic;
  if (this->MainView == q.Window3D) return QlmView::View3D;
  return -1;
}

CQlmInteractorRecord& CQlmCoreImplant::MainRecord() const {
  const CQlmQuorvantile& q = *this->Owner;
  const int view = this->MainViewKind();
  if (view == QlmView::Axial) return *q.StyleAxial->GetRecord();
  if (view == QlmView::Panoramic) return *q.StylePanoramic->GetRecord();
  return *q.Style3D->GetRecord();
}

void CQlmCoreImplant::StepMain() {
  CQlmQuorvantile& q = *this->Owner;
  const int view = this->MainViewKind();
  if (view == -1) return;
  CQlmInteractorRecord& record = this->MainRecord();
  const int picked = this->Pick(record, view);
  if (this->Mode == Move) {
    this->LatchShiftMain();
    const bool rotate = this->MainRotateLatch;
    q.Style3D->SetMode(rotate ? QlmState::RotateAboutZ : QlmState::MoveAlongZ);
    q.StyleAxial->SetMode(rotate ? QlmState::RotateInView : QlmState::MoveInPlaneXY);
    q.StylePanoramic->SetMode(rotate ? QlmState::RotateInView : QlmState::MoveInPlaneXY);
    rotate ? this->RotateMain() : this->MoveMain();
    this->ReleaseShiftMain();
  } else if (this->Mode == Rotate) {
    this->RotateMain();
  } else if (view == QlmView::View3D) {
    this->Select3D(record);
  } else {
    this->Insert(record, view, this->Mode == Select ? 0 : picked, -1);
  }
}

void CQlmCoreImplant::LatchShiftCross() {
  const CQlmInteractorRecord& record = *this->Owner->StyleCross->GetRecord();
  if (record.Event == QlmEvent::LeftDown && record.Shift) this->CrossRotateLatch = 1;
}

void CQlmCoreImplant::ReleaseShiftCross() {
  if (this->Owner->StyleCross->GetRecord()->Event == QlmEvent::LeftUp) this->CrossRotateLatch = 0;
}

void CQlmCoreImplant::LatchShiftMain() {
  const CQlmInteractorRecord& record = this->MainRecord();
  if (record.Event == QlmEvent::LeftDown && record.Shift) this->MainRotateLatch = 1;
}

void CQlmCoreImplant::ReleaseShiftMain() {
  if (this->MainRecord().Event == QlmEvent::LeftUp) this->MainRotateLatch = 0;
}

void CQlmCoreImplant::MoveCross() {
  CQlmInteractorStruct9& record = *this->Owner->StyleCross->GetRecord();
  this->Drag2D(record, QlmView::Cross, record.CurrentCell, false);
}

void CQlmCoreImplant::RotateCross() {
  CQlmInteractorStruct9& record = *this->Owner->StyleCross->GetRecord();
  this->Drag2D(record, QlmView::Cross, record.CurrentCell, true);
}

// A press in the 3D view ends what was left of the skipped moves.
void CQlmCoreImplant::MoveMain() {
  CQlmInteractorRecord& record = this->MainRecord();
  if (this->MainViewKind() != QlmView::View3D) return this->Drag2D(record, this->MainViewKind(), -1, false);
  if (record.Event == QlmEvent::LeftDown) this->SkippedMoves = 0;
  this->Drag3D(record);
}

void CQlmCoreImplant::RotateMain() {
  CQlmInteractorRecord& record = this->MainRecord();
  if (this->MainViewKind() == QlmView::View3D) return this->Drag3D(record);
  this->Drag2D(record, this->MainViewKind(), -1, true);
}

bool CQlmCoreImplant::SkipMove(CQlmInteractorRecord& record) {
  if (record.Event != QlmEvent::MouseMove || this->SkippedMoves <= 0) return false;
  --this->SkippedMoves;
  record.ObjectTransform->Identity();
  return true;
}

void CQlmCoreImplant::Drag2D(CQlmInteractorRecord& record, int view, int cell, bool rotate) {
  CQlmQuorvantile& q = *this->Owner;
  const int selected = this->Selected();
  if (record.Event == QlmEvent::LeftDown) {
    q.Modified = 1;
    if (rotate && selected != -1) this->SetRotationCentre(record, view, cell);
    if (this->ViewRenderPending) this->RenderView(view);
  } else if (record.Event == QlmEvent::MouseMove) {
    if (this->SkipMove(record) || selected == -1) return;
    if (rotate) this->SetRotationCentre(record, view, cell);
    this->PreviewDrag(record, view, cell, rotate);
    this->Render(view);
    this->ViewRenderPending = 0;
  } else if (record.Event == QlmEvent::LeftUp) {
    if (selected != -1 && !IsIdentity(record.ObjectTransform->GetMatrix())) {
      this->PushUndo(ImplantUndoRecord::Transform, selected, 0);
      this->CommitDrag(view, cell);
      if (rotate) this->UpdateStatusBar();
      this->Render(view);
      this->OtherViewsRenderPending = 1;
    }
    record.ObjectTransform->Identity();
    this->RenderOtherViews(view);
  }
}

// A turn of the screw turns the whole implant and its ring; a turn of a
// generic connector turns the connector alone, the ring staying.
void CQlmCoreImplant::PreviewDrag(const CQlmInteractorRecord& record, int view, int cell, bool rotate) {
  CQlmQuorvantile& q = *this->Owner;
  CQlmImplants& implants = *q.ImplantContainer;
  const int i = this->Selected();
  vtkMatrix4x4* drag = record.ObjectTransform->GetMatrix();
  const CQlmImplant3D& implant = *implants.GetList3D()->GetListItemAt(i);
  const bool libraryComponent = implant.LibraryImplant && implant.ComponentName != "Standard";
  const int section = view == QlmView::Cross ? cell : 0;
  CQlmImplantCut* cut = view == QlmView::Axial       ? static_cast<CQlmImplantCut*>(implants.GetListAxial()->GetListItemAt(i))
                        : view == QlmView::Panoramic ? static_cast<CQlmImplantCut*>(implants.GetListPanoramic()->GetListItemAt(i))
                                                     : static_cast<CQlmImplantCut*>(implants.GetListCross()->GetListItemAt(i));
  const bool connectorOnly = rotate && !libraryComponent && record.PickedActor != cut->GetScrewActor(section);
  CQlmImplantRings* rings = q.RingContainer;
  const bool ringShown = rings && i < rings->GetCount();
  if (view == QlmView::Axial) {
    CQlmImplantAxial& axial = *implants.GetListAxial()->GetListItemAt(i);
    if (connectorOnly) return axial.SetConectorUserMatrix(drag);
    axial.SetUserMatrix(drag);
    if (ringShown) rings->GetListAxial()->GetListItemAt(i)->SetUserMatrix(drag);
  } else if (view == QlmView::Panoramic) {
    CQlmImplantPanoramic& panoramic = *implants.GetListPanoramic()->GetListItemAt(i);
    if (connectorOnly) return panoramic.SetConectorUserMatrix(drag);
    panoramic.SetUserMatrix(drag);
    if (ringShown) rings->GetListPanoramic()->GetListItemAt(i)->SetUserMatrix(drag);
  } else {
    CQlmImplantCross9& cross = *implants.GetListCross()->GetListItemAt(i);
    if (connectorOnly) return cross.SetConectorUserMatrix(cell, drag);
    cross.SetUserMatrix(cell, drag);
    if (ringShown) rings->GetListCross()->GetListItemAt(i)->SetUserMatrix(cell, drag);
  }
}

void CQlmCoreImplant::CommitDrag(int view, int cell) {
  CQlmQuorvantile& q = *this->Owner;
  CQlmImplants& implants = *q.ImplantContainer;
  const int i = this->Selected();
  if (view == QlmView::Axial) implants.GetListAxial()->GetListItemAt(i)->ApplyUserMatrix();
  if (view == QlmView::Panoramic) implants.GetListPanoramic()->GetListItemAt(i)->ApplyUserMatrix();
  if (view == QlmView::Cross) implants.GetListCross()->GetListItemAt(i)->ApplyUserMatrix(cell);
  CQlmImplantRings* rings = q.RingContainer;
  if (!rings || i >= rings->GetCount()) return;
  if (view == QlmView::Axial) rings->GetListAxial()->GetListItemAt(i)->ResetUserMatrix();
  if (view == QlmView::Panoramic) rings->GetListPanoramic()->GetListItemAt(i)->ResetUserMatrix();
  if (view == QlmView::Cross) rings->GetListCross()->GetListItemAt(i)->ResetUserMatrix();
}

// The in-view turn measures its angle about the implant's platform in the view.
void CQlmCoreImplant::SetRotationCentre(CQlmInteractorRecord& record, int view, int cell) const {
  CQlmImplants& implants = *this->Owner->ImplantContainer;
  const int i = this->Selected();
  const double* fulcrum = view == QlmView::Axial       ? implants.GetListAxial()->GetListItemAt(i)->GetAxialCutter()->GetFulcrum()
                          : view == QlmView::Panoramic ? implants.GetListPanoramic()->GetListItemAt(i)->GetPanoramicCutter()->GetFulcrum()
                                                       : implants.GetListCross()->GetListItemAt(i)->GetCrossCutter()->GetFulcrum(cell);
  std::copy(fulcrum, fulcrum + 3, record.PivotPoint);
}

void CQlmCoreImplant::Drag3D(CQlmInteractorRecord& record) {
  CQlmQuorvantile& q = *this->Owner;
  const int selected = this->Selected();
  CQlmImplant3D* implant = selected == -1 ? nullptr : q.ImplantContainer->GetList3D()->GetListItemAt(selected);
  if (record.Event == QlmEvent::LeftDown) {
    q.Modified = 1;
    if (implant) {
      vtkMatrix4x4* placement = implant->GetMatrix();
      std::copy(&placement->Element[0][0], &placement->Element[0][0] + 16, this->DragStartMatrix);
      for (vtkTransform* transform : {record.ObjectTransform.GetPointer(), record.FrameTransform.GetPointer()}) {
        transform->Identity();
        transform->Concatenate(placement);
      }
    }
    if (this->ViewRenderPending) this->RenderView(QlmView::View3D);
  } else if (record.Event == QlmEvent::MouseMove) {
    if (this->SkipMove(record) || !implant) return;
    vtkMatrix4x4* current = record.ObjectTransform->GetMatrix();
    std::copy(&current->Element[0][0], &current->Element[0][0] + 16, this->DragCurrentMatrix);
    if (MatricesEqual(this->DragCurrentMatrix, this->DragStartMatrix)) return;
    implant->SetMatrix(this->DragCurrentMatrix);
    q.Window3D->Render();
    this->ViewRenderPending = 0;
    this->OtherViewsRenderPending = 1;
  } else if (record.Event == QlmEvent::LeftUp) {
    if (implant) {
      vtkMatrix4x4* placement = implant->GetMatrix();
      std::copy(&placement->Element[0][0], &placement->Element[0][0] + 16, this->DragEndMatrix);
      if (!MatricesEqual(this->DragEndMatrix, this->DragStartMatrix)) {
        // The snapshot keeps the placement of the press.
        implant->SetMatrix(this->DragStartMatrix);
        this->PushUndo(ImplantUndoRecord::Transform, selected, 0);
        implant->SetMatrix(this->DragEndMatrix);
        q.Window3D->Render();
        this->OtherViewsRenderPending = 1;
      }
      record.FrameTransform->Identity();
      record.ObjectTransform->Identity();
    }
    this->ViewRenderPending = 0;
    this->RenderOtherViews(QlmView::View3D);
  }
}

bool CQlmCoreImplant::IsIdentity(vtkMatrix4x4* matrix) {
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 4; ++column) {
      if (matrix->GetElement(row, column) != (row == column ? 1.0 : 0.0)) return false;
    }
  }
  return true;
}

int CQlmCoreImplant::MatricesEqual(const double a[16], const double b[16]) { return std::equal(a, a + 16, b) ? 1 : 0; }
