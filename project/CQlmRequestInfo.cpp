#include "project/CQlmRequestInfo.h"

#include "platform/CArchive.h"

void CQlmRequestInfo::Serialize(CArchive& archive) {
  for (CString& text : this->Texts) {
    if (archive.IsStoring()) {
      archive << text;
    } else {
      archive >> text;
    }
  }
}
