#include "project/CQlmVolumeAttachment.h"

#include "platform/CArchive.h"

void CQlmVolumeAttachment::StoreHead(CArchive& archive) const {
  archive << this->Lead;
  archive.Write(this->Code, sizeof this->Code);
  for (int32_t value : this->Values) archive << value;
  archive << this->Text;
}

void CQlmVolumeAttachment::LoadHead(CArchive& archive) {
  archive >> this->Lead;
  archive.ReadExact(this->Code, sizeof this->Code);
  for (int32_t& value : this->Values) archive >> value;
  archive >> this->Text;
}

void CQlmVolumeAttachment::StoreData(CArchive& archive) const {
  const auto size = static_cast<int32_t>(this->Data->GetNumberOfValues());
  if (size == 0) {
    archive << int32_t(0);
    return;
  }
  archive.WriteByteBlock(this->Data->GetPointer(0), size);
}

void CQlmVolumeAttachment::LoadData(CArchive& archive) {
  int32_t size = 0;
  archive >> size;
  if (size < 0) throw CArchiveException(CArchiveException::badIndex, "negative attachment size");
  if (static_cast<uint64_t>(size) > archive.GetBytesLeft()) {
    throw CArchiveException(CArchiveException::endOfFile, "attachment longer than the data left");
  }
  this->Data->SetNumberOfValues(size);
  if (size) archive.ReadExact(this->Data->GetPointer(0), static_cast<size_t>(size));
  this->DataSize = size;
}
