#include "project/CQlmImplantDefaults.h"

#include "project/QlmArchiveArrays.h"

void CQlmImplantDefaults::Store(CArchive& archive) const {
  archive << this->Diameter << this->Length << this->ConnectorHeight;
  for (const auto& color : this->Colors) QlmStoreArray(archive, color);
  archive << this->Flip;
}

void CQlmImplantDefaults::Load(CArchive& archive) {
  archive >> this->Diameter >> this->Length >> this->ConnectorHeight;
  for (auto& color : this->Colors) QlmLoadArray(archive, color);
  archive >> this->Flip;
}
