#include <gtest/gtest.h>

#include "ProjectFixtures.h"
#include "project/CQlmVolumeAttachment.h"
#include "project/CQlmVolumeAttachmentList.h"

using namespace ProjectFixtures;

namespace {

// Owns the records of a list for the length of a test.
struct OwnedList {
  CQlmVolumeAttachmentList List;
  ~OwnedList() { this->List.DeleteAll(); }
};

void LoadInto(CQlmVolumeAttachmentList& list, const Bytes& bytes) {
  CMemFile file(bytes);
  CArchive archive(&file, CArchive::load);
  list.Load(archive);
}

}  // namespace

TEST(CQlmVolumeAttachmentList, GetAtWalksFromTheHead) {
  OwnedList empty;
  OwnedList three;
  CQlmVolumeAttachment* items[3];
  for (uint8_t i = 0; i < 3; ++i) three.List.Append(items[i] = Attachment(i, 1));

  struct Case {
    int Index;
    CQlmVolumeAttachment* Expected;
  };
  for (const Case& c : {Case{-5, items[0]}, Case{0, items[0]}, Case{1, items[1]}, Case{2, items[2]}, Case{3, nullptr},
                        Case{40, nullptr}}) {
    EXPECT_EQ(three.List.GetAt(c.Index), c.Expected) << "index " << c.Index;
    EXPECT_EQ(empty.List.GetAt(c.Index), nullptr) << "index " << c.Index;
  }
  EXPECT_EQ(three.List.GetCount(), 3);
  EXPECT_EQ(three.List.Head->Next->Previous, three.List.Head);
  EXPECT_EQ(empty.List.GetCount(), 0);
}

TEST(CQlmVolumeAttachmentList, RemoveAllFreesNodesButKeepsRecords) {
  CQlmVolumeAttachmentList list;
  list.RemoveAll();
  EXPECT_EQ(list.Head, nullptr);

  CQlmVolumeAttachment* item = Attachment(9, 4);
  list.Append(item);
  list.RemoveAll();
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_EQ(item->Lead, 9);  // still alive: the list never owned it
  delete item;
}

TEST(CQlmVolumeAttachmentList, EmptyListIsTheSingleCountZero) {
  CQlmVolumeAttachmentList list;
  EXPECT_EQ(Stored(list), (Bytes{0, 0, 0, 0}));
}

TEST(CQlmVolumeAttachmentList, FixedPartsComeFirstThenTheBlocks) {
  OwnedList list;
  list.List.Append(Attachment(1, 3));
  list.List.Append(Attachment(2, 2));
  const Bytes bytes = Stored(list.List);

  const size_t head = 1 + 16 + 64 + 1 + 7;  // "Anexo 1" is 7 characters
  ASSERT_EQ(bytes.size(), 4 + 2 * head + (4 + 3) + (4 + 2));
  EXPECT_EQ(PeekInt32(bytes, 0), 2);
  EXPECT_EQ(bytes[4], 1);
  EXPECT_EQ(bytes[4 + head], 2);
  EXPECT_EQ(PeekInt32(bytes, 4 + 2 * head), 3);
  EXPECT_EQ(PeekInt32(bytes, 4 + 2 * head + 7), 2);

  OwnedList read;
  LoadInto(read.List, bytes);
  ASSERT_EQ(read.List.GetCount(), 2);
  EXPECT_EQ(Stored(read.List), bytes);
  const CQlmVolumeAttachment* second = read.List.GetAt(1);
  EXPECT_EQ(second->Values[15], -2000 + 15);
  EXPECT_EQ(second->Text, "Anexo 2");
  EXPECT_EQ(second->DataSize, 2);
}

TEST(CQlmVolumeAttachmentList, LoadingAppendsAndFillsOnlyTheNewRecords) {
  OwnedList source;
  source.List.Append(Attachment(5, 6));
  const Bytes bytes = Stored(source.List);

  OwnedList list;
  list.List.Append(Attachment(4, 1));
  LoadInto(list.List, bytes);
  ASSERT_EQ(list.List.GetCount(), 2);
  EXPECT_EQ(list.List.GetAt(0)->DataSize, 1);
  EXPECT_EQ(list.List.GetAt(1)->Lead, 5);
  EXPECT_EQ(list.List.GetAt(1)->Data->GetNumberOfValues(), 6);
}

TEST(CQlmVolumeAttachmentList, MalformedListsAreRefusedBeforeAllocating) {
  OwnedList source;
  source.List.Append(Attachment(1, 3));
  const Bytes good = Stored(source.List);
  const size_t dataSizeAt = good.size() - 3 - 4;

  constexpr int32_t tooMany = CQlmVolumeAttachmentList::MaximumCount + 1;
  struct Case {
    const char* Name;
    size_t Offset;
    int32_t Value;
    size_t Padding;  // zero bytes added so that only the bound is broken
  };
  for (const Case& c :
       {Case{"negative count", 0, -1, 0}, Case{"count beyond the data", 0, 1000, 0},
        Case{"count above the bound", 0, tooMany, 86 * tooMany}, Case{"negative data size", dataSizeAt, -3, 0},
        Case{"data size beyond the data", dataSizeAt, 0x7FFFFFF0, 0}}) {
    Bytes bad = good;
    bad.resize(bad.size() + c.Padding);
    PokeInt32(bad, c.Offset, c.Value);
    OwnedList list;
    EXPECT_THROW(LoadInto(list.List, bad), CArchiveException) << c.Name;
  }
}
