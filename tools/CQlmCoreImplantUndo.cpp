// The implant tool's undo and redo snapshots: each records one implant
// before a change and is reversed by the action it names.
#include <vtkMatrix4x4.h>

#include <algorithm>

#include "app/CQlmQuorvantile.h"
#include "app/CUndoHistory.h"
#include "objects/CQlmImplant3D.h"
#include "objects/CQlmImplantRing3D.h"
#include "objects/CQlmImplantRings.h"
#include "objects/CQlmImplants.h"
#include "tools/CQlmCoreImplant.h"
#include "tools/QlmUndoAction.h"
#include "views/CQlm3DWindow.h"

void CQlmCoreImplant::PushUndo(int action, int index, int keepRedo) {
  if (index == -1) index = this->GetSelectedIndex();
  const bool recreatedByRedo = keepRedo && action == QlmUndoAction::Created;
  if (!recreatedByRedo && (index < 0 || index >= this->Owner->ImplantContainer->GetCount())) return;
  this->Records.Push(action, index, keepRedo, [this](ImplantUndoRecord& record) { this->Fill(record); });
  if (this->History) this->History->Push(Implant, keepRedo);
}

bool CQlmCoreImplant::Undo() {
  return this->FinishUndo(
      this->Records.Undo([this](const ImplantUndoRecord& record) { return this->Applicable(record, false); },
                         [this](ImplantUndoRecord& record) { this->Fill(record); },
                         [this](const ImplantUndoRecord& record) { this->Reverse(record, false); }));
}

bool CQlmCoreImplant::Redo() {
  return this->FinishUndo(
      this->Records.Redo([this](const ImplantUndoRecord& record) { return this->Applicable(record, true); },
                         [this](const ImplantUndoRecord& record) { this->PushUndo(record.Action, record.Index, 1); },
                         [this](const ImplantUndoRecord& record) { this->Reverse(record, true); }));
}

// An implant to create again goes at most one past the end; any other must exist.
bool CQlmCoreImplant::Applicable(const ImplantUndoRecord& record, bool redo) const {
  if (!QlmUndoAction::Known(record.Action) || record.Index < 0) return false;
  const int count = this->Owner->ImplantContainer->GetCount();
  const bool creates = record.Action == (redo ? QlmUndoAction::Created : QlmUndoAction::Deleted);
  return creates ? record.Index <= count : record.Index < count;
}

// The implant at the record's index (set by the caller) and its guide ring as they are now.
void CQlmCoreImplant::Fill(ImplantUndoRecord& record) const {
  const CQlmQuorvantile& q = *this->Owner;
  const int index = record.Index;
  const CQlmImplant3D& implant = *q.ImplantContainer->GetList3D()->GetListItemAt(index);
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
  record.RingVisible = this->RingVisible(index);
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
    case QlmUndoAction::Created:
      if (redo) this->Recreate(record, false);
      else this->RemoveAt(i);
      break;
    case QlmUndoAction::Deleted:
      if (redo) this->RemoveAt(i);
      else this->Recreate(record, true);
      break;
    case QlmUndoAction::Item:
      if (record.LibraryImplant) {
        implants.ChangeLibraryImplant(i, record.LibraryIdentifier, record.LibraryName, record.ImplantName,
                                      record.ComponentName, record.Diameter, record.Length, record.ConnectorHeight);
      } else {
        implants.ChangeImplant(i, record.Diameter, record.Length, record.ConnectorHeight);
      }
      this->RebuildRing(i);
      this->SetRingVisible(i, record.RingVisible);
      break;
    case QlmUndoAction::Colour:
      this->SetColours(i, record.ScrewColor, record.ConnectorColor);
      break;
    case QlmUndoAction::Visibility:
      this->RestoreVisibility(i, record);
      break;
    case QlmUndoAction::Placement:
      implants.GetList3D()->GetListItemAt(i)->SetMatrix(record.Placement);
      implants.GetList3D()->GetListItemAt(i)->SetConectorMatrix(record.ConnectorMatrix);
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
  q.ImplantContainer->SetSelected(this->GetSelectedIndex(), 0);
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
