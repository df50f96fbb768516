#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkNew.h>

#include <functional>
#include <string>
#include <vector>

#include "objects/CQlmPlanningList.h"
#include "platform/CArchive.h"
#include "platform/CMemFile.h"

namespace {

// An item that records its tag and tells how many items are alive.
class TagItem : public CObject {
public:
  static inline int Alive = 0;
  static constexpr size_t MinimumRecordSize = 4;
  static TagItem* CreateObject() { return new TagItem; }
  TagItem() { ++Alive; }
  ~TagItem() override { --Alive; }
  bool OwnsActor(const vtkActor* actor) const { return actor == this->Actor; }
  int GetSelected() const { return this->Selected; }
  void Serialize(CArchive& archive) override {
    if (archive.IsStoring()) archive << this->Tag;
    else archive >> this->Tag;
  }
  int32_t Tag = 0;
  int Selected = 0;
  const vtkActor* Actor = nullptr;
};

class TagList : public CQlmPlanningList<TagItem> {
public:
  void Serialize(CArchive& archive) override { this->SerializeItems(archive); }
};

// A list of n items tagged 0 .. n-1.
void Fill(TagList& list, int n) {
  for (int i = 0; i < n; ++i) list.AddTail()->Tag = i;
}

std::vector<int> Tags(const TagList& list) {
  std::vector<int> tags;
  list.ForEach([&tags](TagItem* item) { tags.push_back(item->Tag); });
  return tags;
}

class CQlmPlanningListTest : public ::testing::Test {
protected:
  void TearDown() override { EXPECT_EQ(TagItem::Alive, 0) << "items leaked or deleted twice"; }
};

TEST_F(CQlmPlanningListTest, InsertionsKeepOrderAndMakeTheNewItemCurrent) {
  TagList list;
  list.AddTail()->Tag = 1;
  list.AddHead()->Tag = 0;
  TagItem* inserted = list.InsertAfter(0);
  inserted->Tag = 5;
  EXPECT_EQ(list.GetCurrentItem(), inserted);
  list.AddTail()->Tag = 9;
  EXPECT_EQ(Tags(list), (std::vector<int>{0, 5, 1, 9}));
  EXPECT_EQ(list.GetLast()->Tag, 9);
  EXPECT_EQ(list.GetFirst()->Tag, 0);
  EXPECT_EQ(list.GetCurrentItem()->Tag, 0);
}

// Every operation given an index outside the list: nothing created or deleted, null or -1.
TEST_F(CQlmPlanningListTest, MissingIndicesChangeNothing) {
  struct Case {
    const char* name;
    int count;
    std::function<void(TagList&)> act;
    std::vector<int> tags;
    bool currentIsNull;
  };
  const std::vector<Case> cases = {
      {"GetListItemAt on empty keeps current", 0, [](TagList& l) { EXPECT_EQ(l.GetListItemAt(0), nullptr); }, {}, true},
      {"GetListItemAt -1", 3, [](TagList& l) { EXPECT_EQ(l.GetListItemAt(-1), nullptr); }, {0, 1, 2}, true},
      {"GetListItemAt count", 3, [](TagList& l) { EXPECT_EQ(l.GetListItemAt(3), nullptr); }, {0, 1, 2}, true},
      {"InsertAfter count", 3, [](TagList& l) { EXPECT_EQ(l.InsertAfter(3), nullptr); }, {0, 1, 2}, false},
      {"InsertAfter beyond", 3, [](TagList& l) { EXPECT_EQ(l.InsertAfter(7), nullptr); }, {0, 1, 2}, false},
      {"InsertAfter -1", 3, [](TagList& l) { EXPECT_EQ(l.InsertAfter(-1), nullptr); }, {0, 1, 2}, false},
      {"InsertAfter on empty", 0, [](TagList& l) { EXPECT_EQ(l.InsertAfter(0), nullptr); }, {}, true},
      {"DeleteListItemAt -1", 3, [](TagList& l) { l.DeleteListItemAt(-1); }, {0, 1, 2}, false},
      {"DeleteListItemAt count", 3, [](TagList& l) { l.DeleteListItemAt(3); }, {0, 1, 2}, false},
      {"FindByActor null", 3, [](TagList& l) { EXPECT_EQ(l.FindByActor(nullptr), -1); }, {0, 1, 2}, false},
      {"GetSelectedIndex none", 3, [](TagList& l) { EXPECT_EQ(l.GetSelectedIndex(), -1); }, {0, 1, 2}, false},
      {"GetSelectedIndex empty", 0, [](TagList& l) { EXPECT_EQ(l.GetSelectedIndex(), -1); }, {}, true},
      {"GetFirst empty", 0, [](TagList& l) { EXPECT_EQ(l.GetFirst(), nullptr); }, {}, true},
      {"GetLast empty", 0, [](TagList& l) { EXPECT_EQ(l.GetLast(), nullptr); }, {}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TagList list;
    Fill(list, c.count);
    c.act(list);
    EXPECT_EQ(Tags(list), c.tags);
    EXPECT_EQ(list.GetCurrentItem() == nullptr, c.currentIsNull);
  }
}

TEST_F(CQlmPlanningListTest, LookUpsFindTheLowestMatchingIndex) {
  vtkNew<vtkActor> shared, other;
  TagList list;
  Fill(list, 4);
  list.GetListItemAt(1)->Actor = shared;
  list.GetListItemAt(3)->Actor = shared;
  list.GetListItemAt(2)->Selected = 1;
  list.GetListItemAt(3)->Selected = 1;
  EXPECT_EQ(list.FindByActor(shared), 1);
  EXPECT_EQ(list.FindByActor(other), -1);
  EXPECT_EQ(list.GetSelectedIndex(), 2);
}

TEST_F(CQlmPlanningListTest, DeletingTheCurrentItemForgetsIt) {
  TagList list;
  Fill(list, 3);
  list.GetListItemAt(1);
  list.DeleteListItemAt(1);
  EXPECT_EQ(list.GetCurrentItem(), nullptr);
  EXPECT_EQ(Tags(list), (std::vector<int>{0, 2}));
}

TEST_F(CQlmPlanningListTest, ArchiveHoldsCountThenItemsAndReadsBack) {
  TagList written;
  Fill(written, 3);
  CMemFile file;
  {
    CArchive out(&file, CArchive::store);
    written.Serialize(out);
    out.Close();
  }
  const std::vector<uint8_t> expected = {3, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0};
  EXPECT_EQ(file.Data(), expected);

  CMemFile in(file.Data());
  CArchive reader(&in, CArchive::load);
  TagList read;
  read.Serialize(reader);
  EXPECT_EQ(Tags(read), (std::vector<int>{0, 1, 2}));
}

TEST_F(CQlmPlanningListTest, HostileCountsAreRefusedBeforeAnyItemIsMade) {
  const std::vector<std::vector<uint8_t>> files = {
      {0xFF, 0xFF, 0xFF, 0x7F},              // two thousand million items in four bytes
      {0xFF, 0xFF, 0xFF, 0xFF},              // negative
      {2, 0, 0, 0, 1, 0, 0, 0},              // one item short
  };
  for (const auto& bytes : files) {
    CMemFile in(bytes);
    CArchive reader(&in, CArchive::load);
    TagList list;
    EXPECT_THROW(list.Serialize(reader), CArchiveException);
    EXPECT_EQ(list.GetCount(), 0);
  }
  CMemFile empty(std::vector<uint8_t>{0, 0, 0, 0});
  CArchive reader(&empty, CArchive::load);
  TagList list;
  list.Serialize(reader);
  EXPECT_EQ(list.GetCount(), 0);
}

}  // namespace
