#include "platform/CObList.h"

#include <stdexcept>
#include <utility>

namespace {
[[noreturn]] void InvalidArgument(const char* what) { throw std::invalid_argument(what); }
}  // namespace

CObList::CObList(int) {}

CObList::~CObList() { this->RemoveAll(); }

CObject* CObList::GetHead() const {
  if (!this->Head) InvalidArgument("CObList::GetHead on an empty list");
  return this->Head->Data;
}

CObject* CObList::GetTail() const {
  if (!this->Tail) InvalidArgument("CObList::GetTail on an empty list");
  return this->Tail->Data;
}

CObject* CObList::GetNext(POSITION& position) const {
  if (!position) InvalidArgument("CObList::GetNext past the end");
  CObject* item = position->Data;
  position = position->Next;
  return item;
}

CObject* CObList::GetPrev(POSITION& position) const {
  if (!position) InvalidArgument("CObList::GetPrev past the start");
  CObject* item = position->Data;
  position = position->Prev;
  return item;
}

CObject* CObList::GetAt(POSITION position) const {
  if (!position) InvalidArgument("CObList::GetAt null position");
  return position->Data;
}

void CObList::SetAt(POSITION position, CObject* item) {
  if (!position) InvalidArgument("CObList::SetAt null position");
  position->Data = item;
}

POSITION CObList::AddHead(CObject* item) {
  auto* node = new CObListNode{this->Head, nullptr, item};
  if (this->Head) this->Head->Prev = node;
  else this->Tail = node;
  this->Head = node;
  ++this->Count;
  return node;
}

POSITION CObList::AddTail(CObject* item) {
  auto* node = new CObListNode{nullptr, this->Tail, item};
  if (this->Tail) this->Tail->Next = node;
  else this->Head = node;
  this->Tail = node;
  ++this->Count;
  return node;
}

POSITION CObList::InsertBefore(POSITION position, CObject* item) {
  if (!position || position == this->Head) return this->AddHead(item);
  auto* node = new CObListNode{position, position->Prev, item};
  position->Prev->Next = node;
  position->Prev = node;
  ++this->Count;
  return node;
}

POSITION CObList::InsertAfter(POSITION position, CObject* item) {
  if (!position || position == this->Tail) return this->AddTail(item);
  auto* node = new CObListNode{position->Next, position, item};
  position->Next->Prev = node;
  position->Next = node;
  ++this->Count;
  return node;
}

CObject* CObList::RemoveHead() {
  CObject* item = this->GetHead();
  this->RemoveAt(this->Head);
  return item;
}

CObject* CObList::RemoveTail() {
  CObject* item = this->GetTail();
  this->RemoveAt(this->Tail);
  return item;
}

void CObList::RemoveAt(POSITION position) {
  if (!position) InvalidArgument("CObList::RemoveAt null position");
  if (position->Prev) position->Prev->Next = position->Next;
  else this->Head = position->Next;
  if (position->Next) position->Next->Prev = position->Prev;
  else this->Tail = position->Prev;
  delete position;
  --this->Count;
}

void CObList::RemoveAll() {
  for (POSITION node = this->Head; node;) {
    POSITION next = node->Next;
    delete node;
    node = next;
  }
  this->Head = this->Tail = nullptr;
  this->Count = 0;
}

POSITION CObList::FindIndex(int index) const {
  if (index < 0 || index >= this->Count) return nullptr;
  POSITION node = this->Head;
  while (index-- > 0) node = node->Next;
  return node;
}

POSITION CObList::Find(const CObject* item, POSITION startAfter) const {
  for (POSITION node = startAfter ? startAfter->Next : this->Head; node; node = node->Next) {
    if (node->Data == item) return node;
  }
  return nullptr;
}

void CObList::Swap(CObList& other) {
  std::swap(this->Head, other.Head);
  std::swap(this->Tail, other.Tail);
  std::swap(this->Count, other.Count);
}
