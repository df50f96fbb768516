#include "project/CQlmRuller3DRecord.h"

#include "platform/CArchive.h"

void CQlmRuller3DRecord::Store(CArchive& archive) const {
  for (float value : this->Point1) archive << value;
  for (float value : this->Point2) archive << value;
  for (float value : this->Color) archive << value;
  archive << this->Visible;
}

void CQlmRuller3DRecord::Load(CArchive& archive) {
  for (float& value : this->Point1) archive >> value;
  for (float& value : this->Point2) archive >> value;
  for (float& value : this->Color) archive >> value;
  archive >> this->Visible;
}
