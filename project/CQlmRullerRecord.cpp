#include "project/CQlmRullerRecord.h"

#include "platform/CArchive.h"

void CQlmRullerRecord::Store(CArchive& archive) const {
  for (float value : this->Point1) archive << value;
  for (float value : this->Point2) archive << value;
  for (float value : this->Color) archive << value;
  archive << this->Selected << this->Slice << this->CurrentSlice;
}

void CQlmRullerRecord::Load(CArchive& archive) {
  for (float& value : this->Point1) archive >> value;
  for (float& value : this->Point2) archive >> value;
  for (float& value : this->Color) archive >> value;
  archive >> this->Selected >> this->Slice >> this->CurrentSlice;
}
