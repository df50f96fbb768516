#include "platform/CObList.h"
#include "platform/CObject.h"
#include "platform/CStringArray.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {
struct Item : CObject {
  explicit Item(int v) : Value(v) {}
  int Value;
};

std::vector<int> Values(const CObList& list) {
  std::vector<int> values;
  for (POSITION p = list.GetHeadPosition(); p;) values.push_back(static_cast<Item*>(list.GetNext(p))->Value);
  return values;
}
}  // namespace

TEST(CObList, InsertRemoveAndIndexKeepOrder) {
  Item a(1), b(2), c(3), d(4);
  CObList list;
  list.AddTail(&b);
  list.AddHead(&a);
  POSITION last = list.AddTail(&d);
  list.InsertBefore(last, &c);
  EXPECT_EQ(Values(list), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(list.GetAt(list.FindIndex(2)), &c);
  EXPECT_EQ(list.FindIndex(4), nullptr);
  EXPECT_EQ(list.FindIndex(-1), nullptr);
  EXPECT_EQ(list.Find(&c), list.FindIndex(2));

  list.RemoveAt(list.FindIndex(1));
  EXPECT_EQ(list.RemoveHead(), &a);
  EXPECT_EQ(list.RemoveTail(), &d);
  EXPECT_EQ(Values(list), (std::vector<int>{3}));
  list.RemoveAll();
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_THROW(list.GetHead(), std::invalid_argument);
}

TEST(CStringArray, IndexOperationsAndBounds) {
  CStringArray names;
  names.Add("b");
  names.InsertAt(0, "a");
  names.Add("c");
  names.RemoveAt(1);
  ASSERT_EQ(names.GetSize(), 2);
  EXPECT_EQ(names[0], CString("a"));
  EXPECT_EQ(names[1], CString("c"));
  EXPECT_THROW(names.GetAt(2), std::out_of_range);
  EXPECT_THROW(names.GetAt(-1), std::out_of_range);
}
