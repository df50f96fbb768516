#include "project/CQlmGeometryRecord.h"

#include "project/QlmArchiveArrays.h"

void CQlmGeometryRecord::Store(CArchive& archive) const {
  QlmStoreArray(archive, this->Color);
  QlmStoreArray(archive, this->Color2);
  archive << this->Opacity << this->DisplayMode << this->Visible << this->Pickable << this->ColorChoice
          << this->DepthSort << this->Smooth << this->Shine << this->ReservedValue1 << this->ReservedValue2;
  QlmStoreArray(archive, this->CutShown);
  QlmStoreArray(archive, this->Matrix);
  for (const auto& point : this->Points) QlmStoreArray(archive, point);
  archive << this->Name;
}

void CQlmGeometryRecord::Load(CArchive& archive) {
  QlmLoadArray(archive, this->Color);
  QlmLoadArray(archive, this->Color2);
  archive >> this->Opacity >> this->DisplayMode >> this->Visible >> this->Pickable >> this->ColorChoice >>
      this->DepthSort >> this->Smooth >> this->Shine >> this->ReservedValue1 >> this->ReservedValue2;
  QlmLoadArray(archive, this->CutShown);
  QlmLoadArray(archive, this->Matrix);
  for (auto& point : this->Points) QlmLoadArray(archive, point);
  archive >> this->Name;
}
