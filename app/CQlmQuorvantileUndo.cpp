// The controller's Undo and Redo: the history names the object tool that
// holds the newest change, the tool reverses or re-applies it.
#include "app/CQlmQuorvantile.h"
#include "app/CUndoHistory.h"

void CQlmQuorvantile::SetUndoTool(CQlmUndoable::Kind kind, CQlmUndoable* tool) {
  this->UndoTools[kind - 1] = tool;
  if (tool) tool->History = this->UndoHistory;
}

// A tool keeps fewer snapshots than the history keeps codes: a code whose
// tool has none left is dropped, so that it does not move to the redo codes
// and later take the place of another kind's change.
void CQlmQuorvantile::Undo() {
  const int code = this->UndoHistory->GetNewestUndo();
  if (code < 1 || code > CQlmUndoable::KindCount) return;
  CQlmUndoable* tool = this->UndoTools[code - 1];
  if (tool && tool->Undo())
    this->UndoHistory->PopUndo();
  else
    this->UndoHistory->DropUndo();
}

void CQlmQuorvantile::Redo() {
  const int code = this->UndoHistory->GetNewestRedo();
  if (code < 1 || code > CQlmUndoable::KindCount) return;
  CQlmUndoable* tool = this->UndoTools[code - 1];
  if (tool && tool->Redo())
    this->UndoHistory->PopRedo();
  else
    this->UndoHistory->DropRedo();
}
