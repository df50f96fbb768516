#include "tools/CQlmCoreLibraryObjects.h"

#include <vtkMatrix4x4.h>

#include "app/CLibraryToolBar.h"
#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "app/CUndoHistory.h"
#include "libraries/CDialogGeomsList.h"
#include "libraries/vtkGeomsLib.h"
#include "objects/CQlmGeomContainer.h"
#include "platform/gui/CMenu.h"
#include "toolkit/vtkGeomAxial.h"
#include "toolkit/vtkGeomCross9.h"
#include "toolkit/vtkGeomPanoramic.h"
#include "views/QlmView.h"

bool CQlmCoreLibraryObjects::IsReady() const { return this->Container() != nullptr; }

int CQlmCoreLibraryObjects::FindPicked(int view, const vtkActor* actor) const {
  const CQlmGeomContainer& c = *this->Container();
  if (view == QlmView::Axial) return c.GetListAxial()->FindByActor(actor);
  if (view == QlmView::Cross) return c.GetListCross()->FindByActor(actor);
  if (view == QlmView::Panoramic) return c.GetListPanoramic()->FindByActor(actor);
  return c.GetList3D()->FindByActor(actor);
}

int CQlmCoreLibraryObjects::GetSelectedIndex() const { return this->Container()->GetList3D()->GetSelectedIndex(); }

void CQlmCoreLibraryObjects::SetSelected(int index, int selected) { this->Container()->SetSelected(index, selected); }

bool CQlmCoreLibraryObjects::InsertItem(const void* window, const double point[3], int cell) {
  vtkGeomsLib* library = this->Library();
  CLibraryToolBar* bar = this->ToolBar();
  if (!library || !bar) return false;
  const vtkLibraryItem* item = bar->ItemList.GetItem(bar->ItemList.GetCurSel());
  // An item the container would refuse inserts nothing and changes no selection.
  if (!item || !this->FindItem(library->Name, item->Name, library->Identifier)) return false;
  this->Owner->DeselectAllObjects();
  return this->AddToContainer(window, point, library->Name, library->Identifier, item->Name, cell, -1) != 0;
}

void CQlmCoreLibraryObjects::GetPositionInView(int view, int index, int cell, double position[3]) {
  CQlmGeomContainer& c = *this->Container();
  float inView[3] = {0.0f, 0.0f, 0.0f};
  if (view == QlmView::Axial) c.GetListAxial()->GetListItemAt(index)->GetAxialCutter()->GetPositionInView(inView);
  if (view == QlmView::Cross)
    c.GetListCross()->GetListItemAt(index)->GetCrossCutter()->GetPositionInSection(cell, inView);
  if (view == QlmView::Panoramic) {
    const double* centre = c.GetListPanoramic()->GetListItemAt(index)->GetPanoramicCutter()->GetObjectPosition();
    for (int i = 0; i < 3; ++i) inView[i] = static_cast<float>(centre[i]);
  }
  for (int i = 0; i < 3; ++i) position[i] = inView[i];
}

void CQlmCoreLibraryObjects::PreviewDrag(int view, int index, int cell, const double drag[16]) {
  CQlmGeomContainer& c = *this->Container();
  if (view == QlmView::Axial) c.GetListAxial()->GetListItemAt(index)->SetInteractionMatrix(drag);
  if (view == QlmView::Cross) c.GetListCross()->GetListItemAt(index)->SetInteractionMatrix(cell, drag);
  if (view == QlmView::Panoramic) c.GetListPanoramic()->GetListItemAt(index)->SetUserMatrix(drag);
}

void CQlmCoreLibraryObjects::CommitDrag(int view, int index, int cell) {
  CQlmGeomContainer& c = *this->Container();
  if (view == QlmView::Axial) c.GetListAxial()->GetListItemAt(index)->ApplyMotionTo3D();
  if (view == QlmView::Cross) c.GetListCross()->GetListItemAt(index)->ApplyMotionTo3D(cell);
  if (view == QlmView::Panoramic) c.GetListPanoramic()->GetListItemAt(index)->ApplyUserMatrix();
}

void CQlmCoreLibraryObjects::GetPlacement(int index, double matrix[16]) const {
  vtkMatrix4x4::DeepCopy(matrix, this->Container()->GetList3D()->GetListItemAt(index)->GetMatrix());
}

void CQlmCoreLibraryObjects::SetPlacement(int index, const double matrix[16]) {
  this->Container()->GetList3D()->GetListItemAt(index)->SetMatrix(matrix);
}

void CQlmCoreLibraryObjects::UpdateStatusBar() {
  CQlmQuorvantile& q = *this->Owner;
  if (!q.MainFrame || !this->IsReady()) return;
  const int selected = this->GetSelectedIndex();
  CString text = this->NoneSelectedText();
  if (selected != -1) {
    text.Format(this->SelectedText(), this->Container()->GetList3D()->GetListItemAt(selected)->GetName().c_str());
  }
  q.MainFrame->StatusBar.SetPaneText(1, text, TRUE);
}

// ---- Undo snapshots

void CQlmCoreLibraryObjects::PushUndo(int action, int index, int keepRedo) {
  if (!this->IsReady()) return;
  if (index == -1) index = this->GetSelectedIndex();
  // A creation pushed by redo takes its snapshot from the redo record: the object does not exist yet.
  const bool fromRedo = keepRedo && action == QlmUndoAction::Created;
  if (!fromRedo && (index < 0 || index >= this->Container()->GetCount())) return;
  this->Records.Push(action, index, keepRedo != 0, [this](CoreUndoRecord& record) { this->Snapshot(record); });
  if (this->History) this->History->Push(this->UndoFamily(), keepRedo);
}

void CQlmCoreLibraryObjects::Snapshot(CoreUndoRecord& record) const {
  const CQlmGeom3D& object = *this->Container()->GetList3D()->GetListItemAt(record.Index);
  record.Selected = object.GetSelected();
  record.Name = object.GetName();
  record.Visible = object.GetVisible();
  std::copy_n(object.GetColor(), 3, record.Color);
  vtkMatrix4x4::DeepCopy(record.Placement, object.GetMatrix());
  record.LibraryName = object.LibraryName;
  record.LibraryId = object.LibraryId;
}

bool CQlmCoreLibraryObjects::Applicable(const CoreUndoRecord& record, bool redo) {
  if (!this->IsReady() || !QlmUndoAction::Known(record.Action)) return false;
  const int count = this->Container()->GetCount();
  // Undo of a deletion inserts at the record's index; redo of a creation appends.
  const bool inserts = record.Action == (redo ? QlmUndoAction::Created : QlmUndoAction::Deleted);
  if (!(redo && inserts) && (record.Index < 0 || record.Index >= count + (inserts ? 1 : 0))) return false;
  if (!inserts && record.Action != QlmUndoAction::Item) return true;
  if (this->FindItem(record.LibraryName, record.Name, record.LibraryId)) return true;
  if (this->Owner->MainFrame) {
    CString text;
    text.Format("Item de biblioteca não encontrado: %s", record.Name.c_str());
    this->Owner->MainFrame->StatusBar.SetPaneText(1, text, TRUE);
  }
  return false;
}

bool CQlmCoreLibraryObjects::Undo() {
  return this->FinishUndo(
      this->Records.Undo([this](const CoreUndoRecord& record) { return this->Applicable(record, false); },
                         [this](CoreUndoRecord& record) { this->Snapshot(record); },
                         [this](const CoreUndoRecord& record) { this->Apply(record, false); }));
}

bool CQlmCoreLibraryObjects::Redo() {
  return this->FinishUndo(
      this->Records.Redo([this](const CoreUndoRecord& record) { return this->Applicable(record, true); },
                         [this](const CoreUndoRecord& record) { this->PushUndo(record.Action, record.Index, 1); },
                         [this](const CoreUndoRecord& record) { this->Apply(record, true); }));
}

// Undo deletes a created object and inserts a deleted one again where it was;
// redo inserts a created one again at the end, as the insert tool put it.
void CQlmCoreLibraryObjects::Apply(const CoreUndoRecord& record, bool redo) {
  if (record.Action == (redo ? QlmUndoAction::Created : QlmUndoAction::Deleted)) {
    this->InsertAgain(record, redo ? -1 : record.Index);
  } else if (record.Action == (redo ? QlmUndoAction::Deleted : QlmUndoAction::Created)) {
    this->DeleteObject(record.Index);
  } else {
    this->Restore(record);
  }
}

void CQlmCoreLibraryObjects::Restore(const CoreUndoRecord& record) {
  switch (record.Action) {
    case QlmUndoAction::Item:
      this->Container()->ReplaceObject(record.LibraryName, record.LibraryId, record.Name, record.Index);
      this->SetColour(record.Index, record.Color);
      break;
    case QlmUndoAction::Colour:
      this->SetColour(record.Index, record.Color);
      break;
    case QlmUndoAction::Visibility:
      this->SetVisibility(record.Index, record.Visible);
      this->SetSelected(record.Index, 0);
      this->UpdateStatusBar();
      break;
    default:
      this->SetPlacement(record.Index, record.Placement);
      break;
  }
}

// The item again at `position` (-1: appended), placed and coloured as recorded; left selected.
void CQlmCoreLibraryObjects::InsertAgain(const CoreUndoRecord& record, int position) {
  const double origin[3] = {0.0, 0.0, 0.0};
  if (!this->AddToContainer(this->LayeredWindowOf(QlmView::Axial), origin, record.LibraryName, record.LibraryId,
                            record.Name, -1, position))
    return;
  const int index = this->GetSelectedIndex();
  this->SetPlacement(index, record.Placement);
  this->SetColour(index, record.Color);
  this->UpdateStatusBar();
}

// Object `index` alone selected, then deleted.
void CQlmCoreLibraryObjects::DeleteObject(int index) {
  this->SetSelected(this->GetSelectedIndex(), 0);
  this->SetSelected(index, 1);
  this->Container()->RemoveSelected();
  this->UpdateStatusBar();
}

void CQlmCoreLibraryObjects::SetColour(int index, const float rgb[3]) {
  ForEachRepresentation(*this->Container(), index, [rgb](auto& representation) { representation.SetColor(rgb); });
}

void CQlmCoreLibraryObjects::SetVisibility(int index, int visible) {
  ForEachRepresentation(*this->Container(), index,
                        [visible](auto& representation) { representation.SetVisibility(visible); });
}

// ---- Context menu

void CQlmCoreLibraryObjects::RunContextMenu(int view, int index) {
  const QPoint at = this->MenuPoint(view);
  this->FlushRenders(view);

  CMenu menu;
  menu.CreatePopupMenu();
  menu.AppendMenu(MF_STRING, ReplaceItem, this->Container()->GetList3D()->GetListItemAt(index)->GetName());
  menu.AppendMenu(MF_SEPARATOR);
  menu.AppendMenu(MF_STRING, ChooseColour, "Cor");
  menu.AppendMenu(MF_STRING, Hide, "Visibilidade");
  menu.AppendMenu(MF_STRING, Remove, "Delete");
  switch (menu.TrackPopupMenu(TPM_RETURNCMD, at.x(), at.y(), nullptr)) {
    case ReplaceItem:
      this->ReplaceFromPickList(index, at.x(), at.y());
      return;
    case ChooseColour:
      this->ChangeColour(index);
      break;
    case Hide:
      this->PushUndo(QlmUndoAction::Visibility, -1, 0);
      this->SetVisibility(index, 0);
      break;
    case Remove:
      this->PushUndo(QlmUndoAction::Deleted, index, 0);
      this->Container()->RemoveSelected();
      this->UpdateStatusBar();
      break;
    default:
      return;
  }
  this->RenderAllViews();
}

void CQlmCoreLibraryObjects::ReplaceFromPickList(int index, int x, int y) {
  vtkGeomsLib* library = this->Library();
  if (!library) return;
  const CQlmGeom3D& object = *this->Container()->GetList3D()->GetListItemAt(index);
  CDialogGeomsList list;
  list.X = x;
  list.Y = y;
  list.Library = library;
  list.LibraryId = object.LibraryId;
  list.LibraryName = object.LibraryName;
  list.ItemName = object.GetName();
  if (!this->RunPickList(list) || !list.ChosenItem) return;
  this->PushUndo(QlmUndoAction::Item, index, 0);
  this->Container()->ReplaceObject(library->Name, library->Identifier, list.ChosenItem->Name, index);
  this->UpdateStatusBar();
  this->RenderAllViews();
}

void CQlmCoreLibraryObjects::ChangeColour(int index) {
  float rgb[3];
  if (!AskColour(this->Container()->GetList3D()->GetListItemAt(index)->GetColor(), rgb)) return;
  this->PushUndo(QlmUndoAction::Colour, -1, 0);
  this->SetColour(index, rgb);
}
