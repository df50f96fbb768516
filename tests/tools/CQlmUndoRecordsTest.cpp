#include <gtest/gtest.h>

#include "tools/CQlmUndoRecords.h"

namespace {

struct ValueRecord : CQlmUndoRecordHeader {
  int Value = 0;
};

// One object family of integer values; a record snapshots the value at its index.
struct Values {
  std::vector<int> Objects;
  CQlmUndoRecords<ValueRecord> Records;

  void Push(int action, int index, bool keepRedo = false) {
    Records.Push(action, index, keepRedo, [this](ValueRecord& r) { r.Value = Objects.at(r.Index); });
  }
  void Change(int index, int value) {
    Push(QlmUndoAction::Item, index);
    Objects.at(index) = value;
  }
  bool Applicable(const ValueRecord& r) const {
    return QlmUndoAction::Known(r.Action) && r.Index >= 0 && r.Index < int(Objects.size());
  }
  bool Undo() {
    return Records.Undo([this](const ValueRecord& r) { return Applicable(r); },
                        [this](ValueRecord& r) { r.Value = Objects.at(r.Index); },
                        [this](const ValueRecord& r) { Objects.at(r.Index) = r.Value; });
  }
  bool Redo() {
    return Records.Redo([this](const ValueRecord& r) { return Applicable(r); },
                        [this](const ValueRecord& r) { Push(r.Action, r.Index, true); },
                        [this](const ValueRecord& r) { Objects.at(r.Index) = r.Value; });
  }
};

}  // namespace

TEST(CQlmUndoRecords, UndoAndRedoWalkTheChangesNewestFirst) {
  Values v{{10, 20}};
  v.Change(0, 11);
  v.Change(1, 21);
  v.Change(0, 12);
  const std::vector<std::vector<int>> afterUndos = {{11, 21}, {11, 20}, {10, 20}};
  for (const auto& expected : afterUndos) {
    EXPECT_TRUE(v.Undo());
    EXPECT_EQ(v.Objects, expected);
  }
  EXPECT_FALSE(v.Undo());
  const std::vector<std::vector<int>> afterRedos = {{11, 20}, {11, 21}, {12, 21}};
  for (const auto& expected : afterRedos) {
    EXPECT_TRUE(v.Redo());
    EXPECT_EQ(v.Objects, expected);
  }
  EXPECT_FALSE(v.Redo());
  EXPECT_TRUE(v.Undo());
  EXPECT_EQ(v.Objects, (std::vector<int>{11, 21}));
}

TEST(CQlmUndoRecords, OnlyTheNewest25ChangesCanBeUndone) {
  Values v{{0}};
  for (int i = 1; i <= 26; ++i) v.Change(0, i);
  for (int i = 0; i < 25; ++i) EXPECT_TRUE(v.Undo());
  EXPECT_EQ(v.Objects[0], 1);
  EXPECT_FALSE(v.Undo());
  EXPECT_EQ(v.Objects[0], 1);
}

TEST(CQlmUndoRecords, ANewChangeEmptiesTheRedoRecords) {
  Values v{{0}};
  v.Change(0, 1);
  v.Change(0, 2);
  v.Undo();
  v.Change(0, 5);
  EXPECT_FALSE(v.Redo());
  EXPECT_EQ(v.Objects[0], 5);
}

TEST(CQlmUndoRecords, ADeletionIsRedoneFromTheRecordItselfAndACreationFromTheRedoRecord) {
  CQlmUndoRecords<ValueRecord> records;
  records.Push(QlmUndoAction::Deleted, 3, false, [](ValueRecord& r) { r.Value = 7; });
  int reversed = -1;
  EXPECT_TRUE(records.Undo([](const ValueRecord&) { return true; }, [](ValueRecord& r) { r.Value = -99; },
                           [&](const ValueRecord& r) { reversed = r.Value; }));
  EXPECT_EQ(reversed, 7);
  EXPECT_EQ(records.GetRedoList()[0].Value, 7) << "a deletion's redo record is the undo record";
  records.Push(QlmUndoAction::Created, 3, true, [](ValueRecord& r) { r.Value = -1; });
  EXPECT_EQ(records.GetUndoList()[0].Value, 7) << "a creation pushed by redo copies the redo record";
  EXPECT_EQ(records.GetUndoList()[0].Action, QlmUndoAction::Deleted);
}

TEST(CQlmUndoRecords, RecordsThatCanNoLongerApplyAreDroppedWithoutEffect) {
  Values v{{1, 2}};
  v.Change(1, 3);
  v.Push(QlmUndoAction::Colour, 0);
  v.Records.Push(3, 0, false, [](ValueRecord&) {});  // no such action
  EXPECT_FALSE(v.Undo());
  v.Objects.pop_back();  // the changed object is gone
  EXPECT_TRUE(v.Undo()) << "colour record at index 0 applies";
  EXPECT_FALSE(v.Undo()) << "index 1 lies outside the lists";
  EXPECT_FALSE(v.Undo());
  EXPECT_EQ(v.Objects, (std::vector<int>{1}));
  EXPECT_TRUE(v.Redo());
  EXPECT_FALSE(v.Redo()) << "nothing of the dropped records reached the redo list";
}
