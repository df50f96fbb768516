#pragma once
// The owning object list that the report page model keeps its rectangles and
// templates in: items in order, a current item, indices from 0. Removing an
// item deletes it; so does the list's destructor.
//
// Serialize writes an int32 count and each item's record; loading reads the
// count, refuses one that is negative, above MaximumCount or larger than the
// bytes left allow (Item::MinimumRecordSize each) with CArchiveException, and
// appends the items read after those already in the list.
#include <climits>
#include <cstdint>
#include <utility>

#include "platform/CArchive.h"
#include "platform/CObList.h"
#include "platform/CObject.h"

template <class Item, int32_t MaximumCount = INT32_MAX>
class CQlmPrintList : public CObject {
public:
  CQlmPrintList() = default;
  ~CQlmPrintList() override { this->RemoveAll(); }

  int GetCount() const { return this->List.GetCount(); }
  // The item made current last; null after RemoveAll or for an empty list.
  Item* GetCurrent() const { return this->Current; }

  // A new item appended at the end and made current.
  Item* AddNew() {
    this->Current = new Item;
    this->List.AddTail(this->Current);
    return this->Current;
  }

  // The item at `index`, made current; null (nothing changes) when there is none.
  Item* GetAt(int index) {
    const POSITION position = this->List.FindIndex(index);
    if (!position) return nullptr;
    this->Current = static_cast<Item*>(this->List.GetAt(position));
    return this->Current;
  }

  // Index of `item`; -1 for null or an item not in the list.
  int IndexOf(const Item* item) const {
    if (!item) return -1;
    int index = 0;
    for (POSITION position = this->List.GetHeadPosition(); position; ++index) {
      if (this->List.GetNext(position) == item) return index;
    }
    return -1;
  }

  // Deletes the item at `index`; nothing when there is none.
  void RemoveAt(int index) {
    const POSITION position = this->List.FindIndex(index);
    if (!position) return;
    CObject* item = this->List.GetAt(position);
    if (item == this->Current) this->Current = nullptr;
    this->List.RemoveAt(position);
    delete item;
  }

  void RemoveAll() {
    for (POSITION position = this->List.GetHeadPosition(); position;) delete this->List.GetNext(position);
    this->List.RemoveAll();
    this->Current = nullptr;
  }

  // Calls `visit` with every item in order.
  template <class Visit>
  void ForEach(Visit visit) const {
    for (POSITION position = this->List.GetHeadPosition(); position;) {
      visit(*static_cast<Item*>(this->List.GetNext(position)));
    }
  }

  void Swap(CQlmPrintList& other) {
    this->List.Swap(other.List);
    std::swap(this->Current, other.Current);
  }

  void Serialize(CArchive& archive) override {
    if (archive.IsStoring()) {
      archive << int32_t(this->GetCount());
      this->ForEach([&archive](Item& item) { item.Serialize(archive); });
      return;
    }
    const int32_t count = archive.ReadCount(Item::MinimumRecordSize);
    if (count > MaximumCount) throw CArchiveException(CArchiveException::badIndex, "too many items in a page list");
    for (int32_t i = 0; i < count; ++i) this->AddNew()->Serialize(archive);
  }

private:
  CObList List;
  Item* Current = nullptr;
};
