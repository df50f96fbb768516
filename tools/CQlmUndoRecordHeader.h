#pragma once
// The fields that every object tool's undo record begins with; each family's
// record adds its own snapshot fields after them.
class CQlmUndoRecordHeader {
public:
  // 1 for a record in use, 0 for an empty one.
  int Valid = 0;
  // What changed (QlmUndoAction).
  int Action = 0;
  // The object's index in the family's lists when the snapshot was taken.
  int Index = 0;
};
