#pragma once
// The list design of every planned-object representation: owns its items in
// order, remembers the node and item of its last look-up, inserts at the head,
// the tail or after an index, and finds the item of a picked actor or the first
// selected item. Indices count from the head, starting at 0; a missing index
// gives null or -1 and changes nothing.
//
// Item needs `static Item* CreateObject()`; FindByActor needs
// `bool OwnsActor(const vtkActor*) const`, GetSelectedIndex `int GetSelected() const`,
// loading `static constexpr size_t MinimumRecordSize` (bytes of its shortest record).
#include <cstdint>

#include "platform/CArchive.h"
#include "platform/CObList.h"
#include "platform/CObject.h"

class vtkActor;

template <typename Item>
class CQlmPlanningList : public CObject {
public:
  CQlmPlanningList() = default;
  // Deletes every item.
  ~CQlmPlanningList() override { this->RemoveAll(); }

  int GetCount() const { return this->List.GetCount(); }
  // The item last created, found or returned (null after a failed look-up).
  Item* GetCurrentItem() const { return this->CurrentItem; }

  // A new item at the head / tail, made current.
  Item* AddHead() { return this->Adopt(this->List.AddHead(this->NewItem())); }
  Item* AddTail() { return this->Adopt(this->List.AddTail(this->NewItem())); }
  // A new item after the one at `index`; null and nothing created when there is none.
  Item* InsertAfter(int index) {
    POSITION position = this->List.FindIndex(index);
    if (!position) return nullptr;
    this->Position = position;
    return this->Adopt(this->List.InsertAfter(position, this->NewItem()));
  }

  // Null on an empty list (the current item stays); else the item at `index`
  // made current, or null (and no current item) when there is none.
  Item* GetListItemAt(int index) {
    if (this->List.IsEmpty()) return nullptr;
    this->CurrentItem = nullptr;
    this->Position = this->List.FindIndex(index);
    if (this->Position) this->CurrentItem = static_cast<Item*>(this->List.GetAt(this->Position));
    return this->CurrentItem;
  }
  Item* GetFirst() { return this->List.IsEmpty() ? nullptr : this->GetListItemAt(0); }
  Item* GetLast() { return this->List.IsEmpty() ? nullptr : this->GetListItemAt(this->GetCount() - 1); }

  // Deletes the item at `index`; nothing when there is none.
  void DeleteListItemAt(int index) {
    POSITION position = this->List.FindIndex(index);
    if (!position) return;
    Item* item = static_cast<Item*>(this->List.GetAt(position));
    if (item == this->CurrentItem) this->CurrentItem = nullptr;
    delete item;
    this->List.RemoveAt(position);
    this->Position = this->List.GetHeadPosition();
  }
  // Deletes every item, head first.
  void RemoveAll() {
    for (POSITION position = this->List.GetHeadPosition(); position;) delete this->List.GetNext(position);
    this->List.RemoveAll();
    this->Position = nullptr;
    this->CurrentItem = nullptr;
  }

  // Index of the first item drawn by `actor`; -1 for a null actor or none.
  int FindByActor(const vtkActor* actor) const {
    if (!actor) return -1;
    return this->FindFirst([actor](const Item* item) { return item->OwnsActor(actor); });
  }
  // Index of the first selected item, -1 when none is.
  int GetSelectedIndex() const {
    return this->FindFirst([](const Item* item) { return item->GetSelected() != 0; });
  }

  // Calls `visit` with every item, head first.
  template <typename Visit>
  void ForEach(Visit visit) const {
    for (POSITION position = this->List.GetHeadPosition(); position;) visit(static_cast<Item*>(this->List.GetNext(position)));
  }

protected:
  // int32 count, then every item's record. Loading appends the items read;
  // a count the remaining bytes cannot hold raises CArchiveException first.
  void SerializeItems(CArchive& archive) {
    if (archive.IsStoring()) {
      archive << int32_t(this->GetCount());
      this->ForEach([&archive](Item* item) { item->Serialize(archive); });
      return;
    }
    const int32_t count = archive.ReadCount(Item::MinimumRecordSize);
    for (int32_t i = 0; i < count; ++i) this->AddTail()->Serialize(archive);
  }

  // A new item for an insertion; lists that hand their items a setting first override it.
  virtual Item* NewItem() { return Item::CreateObject(); }

private:
  Item* Adopt(POSITION position) {
    this->Position = position;
    this->CurrentItem = static_cast<Item*>(this->List.GetAt(position));
    return this->CurrentItem;
  }
  template <typename Test>
  int FindFirst(Test test) const {
    int index = 0;
    for (POSITION position = this->List.GetHeadPosition(); position; ++index) {
      if (test(static_cast<const Item*>(this->List.GetNext(position)))) return index;
    }
    return -1;
  }

  CObList List{10};
  POSITION Position = nullptr;
  Item* CurrentItem = nullptr;
};
