#pragma once
// The order in which the object tools recorded their changes, across the
// five kinds: which tool holds the newest change to undo or redo. It keeps
// only the tools' codes (CQlmUndoable::Kind), never object states; each tool
// keeps its own snapshots. Index 0 is the newest place of either list; 0
// marks an empty place; a full list drops its oldest code.
class CUndoHistory {
public:
  static constexpr int Places = 100;

  // Both lists empty.
  CUndoHistory();

  // A new change of `kind` on top of the undo codes. keepRedo 0 (a change
  // made by the user) empties the redo codes; a tool's redo passes 1.
  void Push(int kind, int keepRedo);
  // Removes and returns the newest undo code, which becomes the newest redo
  // code; 0, and nothing moves, when the list is empty.
  int PopUndo();
  // Ends a redo whose tool pushed its code again: the newest redo code
  // replaces the newest undo code and leaves the redo codes. Nothing with no redo code.
  void PopRedo();
  // Removes the newest undo / redo code without moving it: its tool has
  // nothing left to undo / redo.
  void DropUndo();
  void DropRedo();

  int GetNewestUndo() const { return this->UndoCodes[0]; }
  int GetNewestRedo() const { return this->RedoCodes[0]; }

private:
  int UndoCodes[Places] = {};
  int RedoCodes[Places] = {};
};
