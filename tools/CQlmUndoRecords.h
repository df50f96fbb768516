#pragma once
// The undo and redo snapshots of one object tool: two lists of 25 records,
// newest first, and the order of steps that every family shares. The family
// supplies how to take a snapshot, whether a record can still be applied and
// how to apply it; `Record` derives from CQlmUndoRecordHeader.
#include <algorithm>
#include <array>

#include "tools/CQlmUndoRecordHeader.h"
#include "tools/QlmUndoAction.h"

template <class Record>
class CQlmUndoRecords {
public:
  static constexpr int Capacity = 25;
  using List = std::array<Record, Capacity>;

  // A new undo record {1, action, index} filled by `snapshot(record)`; with
  // `keepRedo` a creation copies the newest redo record instead (the object
  // to create again does not exist yet). Without `keepRedo` the redo records empty.
  template <class Snapshot>
  void Push(int action, int index, bool keepRedo, Snapshot snapshot) {
    Record& record = ShiftDown(this->UndoList);
    if (keepRedo && action == QlmUndoAction::Created) {
      record = this->RedoList.front();
    } else {
      Begin(record, action, index);
      snapshot(record);
    }
    if (!keepRedo) this->RedoList.fill(Record());
  }

  // Reverses the newest undo record: the present state of its object goes
  // to the redo list (a deletion: the record itself), then `reverse(record)`.
  // A record that `applicable(record)` refuses is dropped and nothing else
  // happens. True when a record was reversed.
  template <class Applicable, class Snapshot, class Reverse>
  bool Undo(Applicable applicable, Snapshot snapshot, Reverse reverse) {
    if (!this->UndoList.front().Valid) return false;
    const Record record = this->UndoList.front();
    ShiftUp(this->UndoList);
    if (!applicable(record)) return false;
    Record& redo = ShiftDown(this->RedoList);
    if (record.Action == QlmUndoAction::Deleted) {
      redo = record;
    } else {
      Begin(redo, record.Action, record.Index);
      snapshot(redo);
    }
    reverse(record);
    return true;
  }

  // Re-applies the newest redo record: `push(record)` first records the state
  // it replaces (the family's PushUndo with keepRedo), then `apply(record)`.
  // A record that `applicable(record)` refuses is dropped. True when applied.
  template <class Applicable, class PushFn, class Apply>
  bool Redo(Applicable applicable, PushFn push, Apply apply) {
    if (!this->RedoList.front().Valid) return false;
    const Record record = this->RedoList.front();
    if (!applicable(record)) {
      ShiftUp(this->RedoList);
      return false;
    }
    push(record);
    ShiftUp(this->RedoList);
    apply(record);
    return true;
  }

  const List& GetUndoList() const { return this->UndoList; }
  const List& GetRedoList() const { return this->RedoList; }

private:
  // Moves the list down by one, dropping the oldest; the newest slot is returned.
  static Record& ShiftDown(List& list) {
    std::move_backward(list.begin(), list.end() - 1, list.end());
    return list.front();
  }
  // Moves the list up by one; the last slot becomes empty.
  static void ShiftUp(List& list) {
    std::move(list.begin() + 1, list.end(), list.begin());
    list.back() = Record();
  }
  static void Begin(Record& record, int action, int index) {
    record = Record();
    record.Valid = 1;
    record.Action = action;
    record.Index = index;
  }

  List UndoList{};
  List RedoList{};
};
