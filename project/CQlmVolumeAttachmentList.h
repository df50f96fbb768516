#pragma once
// The attachment records of one CT volume, a chain of nodes from Head. The list
// owns its nodes, not the records: whoever creates records frees them
// (DeleteAll does both).
//
// In a file: int32 count, every record's fixed part, then every record's data.
#include <cstddef>
#include <cstdint>

class CArchive;
class CQlmVolumeAttachment;

class CQlmVolumeAttachmentList {
public:
  // Most records a file may give one volume; a larger count refuses the file.
  static constexpr int32_t MaximumCount = 4096;

  struct Node {
    Node* Previous;
    CQlmVolumeAttachment* Item;
    Node* Next;
  };

  CQlmVolumeAttachmentList() = default;
  // Frees the nodes only.
  ~CQlmVolumeAttachmentList();
  CQlmVolumeAttachmentList(const CQlmVolumeAttachmentList&) = delete;
  CQlmVolumeAttachmentList& operator=(const CQlmVolumeAttachmentList&) = delete;

  // Adds the record (not owned) after the last node.
  void Append(CQlmVolumeAttachment* item);
  // Record `index` nodes from the head: the first for an index of 0 or below,
  // null for an empty list or an index at or past the count.
  CQlmVolumeAttachment* GetAt(int index) const;
  int32_t GetCount() const;
  // Frees every node; the records are not touched.
  void RemoveAll();
  // Frees every record, then every node.
  void DeleteAll();
  // Appends every record of `other` and empties it.
  void TakeAll(CQlmVolumeAttachmentList& other);
  // Exchanges the records of the two lists.
  void Swap(CQlmVolumeAttachmentList& other);

  void Store(CArchive& archive) const;
  // Appends the records read, without emptying the list first. Refuses
  // (CArchiveException) a negative count, one above MaximumCount or beyond the
  // bytes left; the records appended before a failure stay in the list.
  void Load(CArchive& archive);

  Node* Head = nullptr;
};
