#include "project/CQlmMultiPartRecord.h"

#include "project/CQlmProjectRefusal.h"
#include "project/QlmArchiveArrays.h"

void CQlmMultiPartRecord::Store(CArchive& archive) const {
  CQlmLibraryObjectRecord::Store(archive);
  archive << static_cast<int32_t>(this->Parts.size());
  for (const Part& part : this->Parts) {
    archive << part.SectionName;
    QlmStoreArray(archive, part.Color);
    archive << part.Visible;
  }
}

void CQlmMultiPartRecord::Load(CArchive& archive) {
  CQlmLibraryObjectRecord::Load(archive);
  int32_t count = 0;
  archive >> count;
  if (count < 0 || count > MaximumParts) {
    throw CQlmProjectRefusal(CString::Formatted(
        "O projeto está danificado: o objeto %s tem %d partes, e um objeto tem no máximo %d.",
        this->ItemName.c_str(), count, MaximumParts));
  }
  this->Parts.assign(static_cast<size_t>(count), Part());
  for (Part& part : this->Parts) {
    archive >> part.SectionName;
    QlmLoadArray(archive, part.Color);
    archive >> part.Visible;
  }
}
