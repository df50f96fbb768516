#pragma once
// Doubly linked list of CObject pointers, walked with POSITION cursors.
// The list does not own its items.
#include <cstddef>

class CObject;
struct CObListNode;
using POSITION = CObListNode*;

class CObList {
public:
  explicit CObList(int blockSize = 10);
  ~CObList();
  CObList(const CObList&) = delete;
  CObList& operator=(const CObList&) = delete;

  int GetCount() const { return this->Count; }
  int GetSize() const { return this->Count; }
  bool IsEmpty() const { return this->Count == 0; }

  CObject* GetHead() const;
  CObject* GetTail() const;
  POSITION GetHeadPosition() const { return this->Head; }
  POSITION GetTailPosition() const { return this->Tail; }

  // Returns the item at `position` and moves `position` on (null after the last).
  CObject* GetNext(POSITION& position) const;
  CObject* GetPrev(POSITION& position) const;
  CObject* GetAt(POSITION position) const;
  void SetAt(POSITION position, CObject* item);

  POSITION AddHead(CObject* item);
  POSITION AddTail(CObject* item);
  POSITION InsertBefore(POSITION position, CObject* item);
  POSITION InsertAfter(POSITION position, CObject* item);
  CObject* RemoveHead();
  CObject* RemoveTail();
  void RemoveAt(POSITION position);
  void RemoveAll();
  // Exchanges the items of the two lists.
  void Swap(CObList& other);

  // Node of the index-th item, null when the index is outside 0..count-1.
  POSITION FindIndex(int index) const;
  // First node holding `item` at or after `startAfter` (from the head when null).
  POSITION Find(const CObject* item, POSITION startAfter = nullptr) const;

private:
  POSITION Head = nullptr;
  POSITION Tail = nullptr;
  int Count = 0;
};

struct CObListNode {
  CObListNode* Next;
  CObListNode* Prev;
  CObject* Data;
};
