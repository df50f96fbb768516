#pragma once
// The further exam header records of the oldest project files, stored inline as an
// int32 count followed by the records.
#include <cstdint>

#include "ct/CQlmDCMHeadStruct.h"
#include "platform/CObList.h"
#include "platform/CObject.h"

class CQlmDCMHeadStructList : public CObject {
public:
  static CQlmDCMHeadStructList* CreateObject() { return new CQlmDCMHeadStructList; }

  CQlmDCMHeadStructList() = default;
  // Deletes every record.
  ~CQlmDCMHeadStructList() override;

  // Writing stores the number of records to write, Count but never more than the list
  // holds, then those first records. Reading appends every record read to the list and
  // sets Count to the list's length; a count larger than the data can hold raises
  // CArchiveException before any record is made.
  void Serialize(CArchive& archive) override;

  // The index-th record, null outside 0..length-1.
  CQlmDCMHeadStruct* GetRecord(int index) const;

  CObList Records;  // of CQlmDCMHeadStruct, owned
  int32_t Count = 0;
};
