#pragma once
// An object tool double for the undo history: it counts snapshots as a real
// tool keeps them (at most 25 undo and 25 redo), pushes its kind on the
// history as a real tool does, and records every Undo and Redo it acted on.
#include <algorithm>
#include <string>
#include <vector>

#include "app/CUndoHistory.h"
#include "tools/CQlmUndoable.h"

class QlmSnapshotTool : public CQlmUndoable {
public:
  static constexpr int Snapshots = 25;

  QlmSnapshotTool(Kind kind, std::string name, std::vector<std::string>* calls)
      : ToolKind(kind), Name(std::move(name)), Calls(calls) {}

  void PushUndo(int action, int index, int keepRedo) override {
    this->UndoCount = std::min(this->UndoCount + 1, Snapshots);
    if (!keepRedo) this->RedoCount = 0;
    this->Pushed.push_back({action, index});
    this->History->Push(this->ToolKind, keepRedo);
  }
  bool Undo() override {
    if (this->UndoCount == 0) return false;
    --this->UndoCount;
    this->RedoCount = std::min(this->RedoCount + 1, Snapshots);
    this->Calls->push_back(this->Name + " undo");
    return true;
  }
  bool Redo() override {
    if (this->RedoCount == 0) return false;
    --this->RedoCount;
    this->PushUndo(2, -1, 1);
    this->Calls->push_back(this->Name + " redo");
    return true;
  }

  void UpdateStatusBar() override { this->Calls->push_back(this->Name + " status"); }

  struct Push {
    int Action;
    int Index;
  };
  std::vector<Push> Pushed;
  int UndoCount = 0;
  int RedoCount = 0;

private:
  Kind ToolKind;
  std::string Name;
  std::vector<std::string>* Calls;
};
