#include "tools/CQlmPolyLinePointEditor.h"

#include <vtkMatrix4x4.h>
#include <vtkNew.h>

#include "ct/CQlmPolyLineBase.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/QlmInteraction.h"

namespace {

bool HitLine(CQlmPolyLineBase& line, CQlmInteractorStyle2& style) {
  const vtkActor* picked = style.GetRecord()->PickedActor;
  return picked && picked == line.GetLineActor();
}

}  // namespace

void CQlmPolyLinePointEditor::AddPointAtCursor(CQlmPolyLineBase& line, CQlmInteractorStyle2& style,
                                               const int position[2], int returnState) {
  style.SetMode(QlmState::PointOnPlaneZ);
  style.PickPointOnPlane(position[0], position[1]);
  style.SetMode(returnState);
  CQlmInteractorStruct& record = *style.GetRecord();
  vtkNew<vtkMatrix4x4> placement;
  for (int k = 0; k < 3; ++k) placement->SetElement(k, 3, record.CursorPoint[k]);
  if (HitLine(line, style)) {
    line.InsertPoint(placement);
  } else if (line.SelectPoint(record.PickedActor)) {
    return;
  } else {
    line.AddPointAtNearestEnd(placement);
  }
  style.GetWindow()->Render();
}

void CQlmPolyLinePointEditor::PressPoint(CQlmPolyLineBase& line, CQlmInteractorStyle2& style) {
  CQlmInteractorStruct& record = *style.GetRecord();
  line.SelectPoint(record.PickedActor);
  if (vtkMatrix4x4* point = line.GetSelectedPointMatrix()) {
    record.ObjectTransform->SetMatrix(point);
  } else if (HitLine(line, style)) {
    record.ObjectTransform->SetMatrix(line.GetPlacementMatrix());
  } else {
    return;
  }
  style.GetWindow()->Render();
}

void CQlmPolyLinePointEditor::DragPoint(CQlmPolyLineBase& line, CQlmInteractorStyle2& style) {
  vtkMatrix4x4* dragged = style.GetRecord()->ObjectTransform->GetMatrix();
  if (line.GetSelectedPointMatrix()) {
    line.MoveSelectedPoint(dragged);
  } else if (HitLine(line, style)) {
    line.MoveAllPoints(dragged);
  } else {
    return;
  }
  style.GetWindow()->Render();
}

bool CQlmPolyLinePointEditor::MoveModeEvent(CQlmPolyLineBase& line, CQlmInteractorStyle2& style, int event) {
  switch (event) {
    case QlmEvent::LeftDown: PressPoint(line, style); return false;
    case QlmEvent::MouseMove: DragPoint(line, style); return false;
    case QlmEvent::RightDown:
      AddPointAtCursor(line, style, style.RightPressPosition, QlmState::MoveInPlaneXY);
      return false;
    case QlmEvent::LeftUp:
    case QlmEvent::RightUp: return true;
    default: return false;
  }
}
