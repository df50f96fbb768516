#include "project/CQlmVolumeAttachmentList.h"

#include <utility>

#include "platform/CArchive.h"
#include "project/CQlmVolumeAttachment.h"

CQlmVolumeAttachmentList::~CQlmVolumeAttachmentList() { this->RemoveAll(); }

void CQlmVolumeAttachmentList::Append(CQlmVolumeAttachment* item) {
  Node* node = new Node{nullptr, item, nullptr};
  if (!this->Head) {
    this->Head = node;
    return;
  }
  Node* last = this->Head;
  while (last->Next) last = last->Next;
  last->Next = node;
  node->Previous = last;
}

CQlmVolumeAttachment* CQlmVolumeAttachmentList::GetAt(int index) const {
  const Node* node = this->Head;
  for (int step = 0; node && step < index; ++step) node = node->Next;
  return node ? node->Item : nullptr;
}

int32_t CQlmVolumeAttachmentList::GetCount() const {
  int32_t count = 0;
  for (const Node* node = this->Head; node; node = node->Next) ++count;
  return count;
}

void CQlmVolumeAttachmentList::RemoveAll() {
  while (this->Head) {
    Node* next = this->Head->Next;
    delete this->Head;
    this->Head = next;
  }
}

void CQlmVolumeAttachmentList::DeleteAll() {
  for (Node* node = this->Head; node; node = node->Next) {
    delete node->Item;
    node->Item = nullptr;
  }
  this->RemoveAll();
}

void CQlmVolumeAttachmentList::TakeAll(CQlmVolumeAttachmentList& other) {
  for (Node* node = other.Head; node; node = node->Next) this->Append(node->Item);
  other.RemoveAll();
}

void CQlmVolumeAttachmentList::Swap(CQlmVolumeAttachmentList& other) { std::swap(this->Head, other.Head); }

void CQlmVolumeAttachmentList::Store(CArchive& archive) const {
  archive << this->GetCount();
  for (const Node* node = this->Head; node; node = node->Next) node->Item->StoreHead(archive);
  for (const Node* node = this->Head; node; node = node->Next) node->Item->StoreData(archive);
}

void CQlmVolumeAttachmentList::Load(CArchive& archive) {
  const int32_t count = archive.ReadCount(CQlmVolumeAttachment::MinimumHeadSize + sizeof(int32_t));
  if (count > MaximumCount) throw CArchiveException(CArchiveException::badIndex, "too many volume attachments");
  Node* last = this->Head;
  while (last && last->Next) last = last->Next;
  for (int32_t i = 0; i < count; ++i) {
    auto* item = new CQlmVolumeAttachment;
    this->Append(item);
    item->LoadHead(archive);
  }
  for (Node* node = last ? last->Next : this->Head; node; node = node->Next) node->Item->LoadData(archive);
}
