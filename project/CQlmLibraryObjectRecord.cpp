#include "project/CQlmLibraryObjectRecord.h"

#include "project/QlmArchiveArrays.h"

void CQlmLibraryObjectRecord::Store(CArchive& archive) const {
  archive << this->ItemName << this->LibraryName << this->LibraryIdentifier;
  QlmStoreArray(archive, this->Color);
  archive << this->Visible << this->Selected;
  QlmStoreArray(archive, this->Matrix);
}

void CQlmLibraryObjectRecord::Load(CArchive& archive) {
  archive >> this->ItemName >> this->LibraryName >> this->LibraryIdentifier;
  QlmLoadArray(archive, this->Color);
  archive >> this->Visible >> this->Selected;
  QlmLoadArray(archive, this->Matrix);
}
