// The implant tool's undo and redo snapshots: each records one implant
// before a change and is reversed by the action it names.
#include <vtkMatrix4x4.h>

#include <algorithm>

#include "app/CQlmQuorvantile.h"
#include "objects/CQlmImplant3D.h"
#include "objects/CQlmImplantRing3D.h"
#include "objects/CQlmImplantRings.h"
#include "objects/CQlmImplants.h"
#include "tools/CQlmCoreImplant.h"
#include "views/CQlm3DWindow.h"

namespace {

// Newest first: a new record goes in front, the oldest falls off the end.
void MakeRoomInFront(std::array<ImplantUndoRecord, CQlmCoreImplant::Snapshots>& records) {
  std::rotate(records.rbegin(), records.rbegin() + 1, records.rend());
}

void DropFront(std::array<ImplantUndoRecord, CQlmCoreImplant::Snapshots>& records) {
  std::rotate(records.begin(), records.begin() + 1, records.end());
  records.back() = ImplantUndoRecord();
}

}  // namespace

void CQlmCoreImplant::PushUndo(int action, int index, int keepRedo) {
  if (index == -1) index = this->Selected();
  const bool recreatedByRedo = keepRedo && action == ImplantUndoRecord::Created;
  if (!recreatedByRedo && (index < 0 || index >= this->Owner->ImplantContainer->GetCount())) return;
  MakeRoomInFront(this->UndoRecords);
  ImplantUndoRecord& record = this->UndoRecords[0];
  if (recreatedByRedo) {
    record = this->RedoRecords[0];
  } else {
    this->Fill(record, index);
    record.Action = action;
    record.Index = index;
  }
  if (!keepRedo) this->RedoRecords.fill(ImplantUndoRecord());
}

void CQlmCoreImplant::Undo() {
  if (!this->UndoRecords[0].Valid) return;
  this->CopyToRedo();
  this->Reverse(this->UndoRecords[0], false);
  DropFront(this->UndoRecords);
  this->UpdateStatusBar();
  this->RenderAll();
}

void CQlmCoreImplant::Redo() {
  if (!this->RedoRecords[0].Valid) return;
  this->PushUndo(this->RedoRecords[0].Action, this->RedoRecords[0].Index, 1);
  this->Reverse(this->RedoRecords[0], true);
  DropFront(this->RedoRecords);
  this->UpdateStatusBar();
  this->RenderAll();
}

// A deleted implant no longer exists: its record goes over as it is.
void CQlmCoreImplant::CopyToRedo() {
  const ImplantUndoRecord& undo = this->UndoRecords[0];
  MakeRoomInFront(this->RedoRecords);
  ImplantUndoRecord& redo = this->RedoRecords[0];
  if (undo.Action == ImplantUndoRecord::Deleted) {
    redo = undo;
    return;
  }
  this->Fill(redo, undo.Index);
  redo.Action = undo.Action;
  redo.Index = undo.Index;
}

void CQlmCoreImplant::Fill(ImplantUndoRecord& record, int index) const {
  const CQlmQuorvantile& q = *this->Owner;
  const CQlmImplant3D& implant = *q.ImplantContainer->GetList3D()->GetListItemAt(index);
  record = ImplantUndoRecord();
  record.Valid = 1;
  record.Index = index;
  record.Selected = implant.GetSelected();
  record.Diameter = implant.GetDiameter();
  record.Length = implant.GetLength();
  record.ConnectorHeight = implant.GetConectorHeight();
  record.ImplantName = implant.ImplantName;
  record.ComponentName = implant.ComponentName;
  record.LibraryName = implant.Platform;
  record.Visible = implant.GetVisible();
  record.ConnectorVisible = implant.GetShowConector();
  std::copy_n(implant.GetScrewColor(), 3, record.ScrewColor);
  std::copy_n(implant.GetConectorColor(), 3, record.ConnectorColor);
  std::copy_n(&implant.GetMatrix()->Element[0][0], 16, record.Placement);
  std::copy_n(&implant.GetConectorMatrix()->Element[0][0], 16, record.ConnectorMatrix);
  const CQlmImplantRings* rings = q.RingContainer;
  record.RingVisible =
      rings && index < rings->GetCount() ? rings->GetList3D()->GetListItemAt(index)->GetVisible() : implant.RingVisible;
  record.LibraryImplant = implant.LibraryImplant;
  record.GenericComponent = implant.GenericComponent;
  record.ComponentValue = implant.ComponentAngle;
  record.LibraryIdentifier = implant.LibraryIdentifier;
}

// Undo reverses the recorded change; redo applies it again, creation and deletion trading places.
void CQlmCoreImplant::Reverse(const ImplantUndoRecord& record, bool redo) {
  CQlmImplants& implants = *this->Owner->ImplantContainer;
  const int i = record.Index;
  switch (record.Action) {
    case ImplantUndoRecord::Created:
      if (redo) this->Recreate(record, false);
      else this->RemoveAt(i);
      break;
    case ImplantUndoRecord::Deleted:
      if (redo) this->RemoveAt(i);
      else this->Recreate(record, true);
      break;
    case ImplantUndoRecord::Properties:
      if (record.LibraryImplant) {
        implants.ChangeLibraryImplant(i, record.LibraryIdentifier, record.LibraryName, record.ImplantName,
                                      record.ComponentName, record.Diameter, record.Length, record.ConnectorHeight);
      } else {
        implants.ChangeImplant(i, record.Diameter, record.Length, record.ConnectorHeight);
      }
      this->RebuildRing(i);
      this->SetRingVisible(i, record.RingVisible);
      break;
    case ImplantUndoRecord::Colour:
      this->SetColours(i, record.ScrewColor, record.ConnectorColor);
      break;
    case ImplantUndoRecord::Visibility:
      this->RestoreVisibility(i, record);
      break;
    case ImplantUndoRecord::Transform:
      if (i < implants.GetCount()) {
        CQlmImplant3D& implant = *implants.GetList3D()->GetListItemAt(i);
        implant.SetMatrix(record.Placement);
        implant.SetConectorMatrix(record.ConnectorMatrix);
      }
      break;
    default:
      break;
  }
}

// At its former index, from the axial view at (0, 0, 0) and then given its recorded placement.
void CQlmCoreImplant::Recreate(const ImplantUndoRecord& record, bool allProperties) {
  CQlmQuorvantile& q = *this->Owner;
  CQlmImplants& implants = *q.ImplantContainer;
  const void* window = static_cast<const CQlmLayeredWindow*>(q.WindowAxial);
  const double origin[3] = {0.0, 0.0, 0.0};
  constexpr int MiddleCell = 4;
  const int i = record.Index;
  const int added =
      record.LibraryImplant
          ? implants.AddLibraryImplant(window, origin, record.LibraryIdentifier, record.LibraryName, record.ImplantName,
                                       record.ComponentName, record.Diameter, record.Length, record.ConnectorHeight,
                                       MiddleCell, i)
          : implants.AddImplant(window, origin, record.Diameter, record.Length, record.ConnectorHeight, MiddleCell, i);
  if (!added) return;
  if (q.RingContainer) q.RingContainer->AddRing(i);
  CQlmImplant3D& implant = *implants.GetList3D()->GetListItemAt(i);
  implant.SetMatrix(record.Placement);
  implant.SetConectorMatrix(record.ConnectorMatrix);
  if (allProperties) {
    this->SetColours(i, record.ScrewColor, record.ConnectorColor);
    this->SetConnectorVisible(i, record.ConnectorVisible);
  }
  this->SetRingVisible(i, record.RingVisible);
}

void CQlmCoreImplant::RemoveAt(int index) {
  CQlmQuorvantile& q = *this->Owner;
  q.ImplantContainer->SetSelected(this->Selected(), 0);
  q.ImplantContainer->SetSelected(index, 1);
  if (q.RingContainer) q.RingContainer->RemoveSelected();
  q.ImplantContainer->RemoveSelected();
}

void CQlmCoreImplant::RestoreVisibility(int index, const ImplantUndoRecord& record) {
  this->SetImplantVisible(index, record.Visible);
  this->SetConnectorVisible(index, record.ConnectorVisible);
  this->SetRingVisible(index, record.RingVisible);
  this->Owner->ImplantContainer->SetSelected(index, 0);
}
