#include "ct/CQlmDCMHeadStructList.h"

#include <algorithm>

#include "platform/CArchive.h"

CQlmDCMHeadStructList::~CQlmDCMHeadStructList() {
  for (POSITION position = this->Records.GetHeadPosition(); position;) {
    delete static_cast<CQlmDCMHeadStruct*>(this->Records.GetNext(position));
  }
  this->Records.RemoveAll();
}

CQlmDCMHeadStruct* CQlmDCMHeadStructList::GetRecord(int index) const {
  const POSITION position = this->Records.FindIndex(index);
  return position ? static_cast<CQlmDCMHeadStruct*>(this->Records.GetAt(position)) : nullptr;
}

void CQlmDCMHeadStructList::Serialize(CArchive& archive) {
  if (archive.IsStoring()) {
    // A count above the list's length would promise records that are not there.
    const int32_t count = std::clamp(this->Count, 0, this->Records.GetCount());
    archive << count;
    POSITION position = this->Records.GetHeadPosition();
    for (int32_t i = 0; i < count; ++i) {
      this->Records.GetNext(position)->Serialize(archive);
    }
    return;
  }
  const int32_t count = archive.ReadCount(CQlmDCMHeadStruct::MinimumStoredSize);
  for (int32_t i = 0; i < count; ++i) {
    auto* record = CQlmDCMHeadStruct::CreateObject();
    this->Records.AddTail(record);
    this->Count = this->Records.GetCount();
    record->Serialize(archive);
  }
}
