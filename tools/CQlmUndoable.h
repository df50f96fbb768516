#pragma once
// What the controller's Undo and Redo need of an object tool (implants,
// orthodontic objects, library meshes, teeth, endodontic objects): each
// keeps its own snapshots of the objects it changed and records the order of
// its changes in the controller's CUndoHistory under its Kind.
class CUndoHistory;

class CQlmUndoable {
public:
  // The codes the history keeps; 0 is none.
  enum Kind { Implant = 1, Orthodontic = 2, LibraryMesh = 3, Tooth = 4, Endodontic = 5 };
  static constexpr int KindCount = 5;

  virtual ~CQlmUndoable() = default;

  // Records a snapshot of the object at `index` (-1: the selected one)
  // before `action` (a QlmUndoAction code) changes it; unless keepRedo, the
  // tool's redo snapshots are dropped. Then History->Push(the tool's kind, keepRedo). Before the
  // controller deletes the selected objects of a kind it pushes Deleted for
  // each of them, highest index first, then removes them all: undone in
  // turn, each comes back at its own index.
  virtual void PushUndo(int action, int index, int keepRedo) = 0;
  // Reverses the newest undo snapshot (its object's state becomes a redo
  // snapshot) and redraws; false, and nothing changed, without one. The
  // history is not touched.
  virtual bool Undo() = 0;
  // Records the object's state through PushUndo with keepRedo 1, re-applies
  // the newest redo snapshot and redraws; false, and nothing changed, without one.
  virtual bool Redo() = 0;

  // Pane 1 of the status bar: the kind's selected object.
  virtual void UpdateStatusBar() = 0;

  // The controller's history; not owned, set by the controller.
  CUndoHistory* History = nullptr;
};
