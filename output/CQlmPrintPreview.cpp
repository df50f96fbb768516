#include "output/CQlmPrintPreview.h"

#include <algorithm>
#include <utility>

#include "platform/CArchive.h"

void CQlmPrintPreview::Serialize(CArchive& archive) {
  if (archive.IsStoring()) {
    archive << this->currentIndex << this->previewOpened;
    this->templates.Serialize(archive);
    return;
  }
  archive >> this->currentIndex >> this->previewOpened;
  this->templates.Serialize(archive);
  const int count = this->templates.GetCount();
  this->currentIndex = count ? std::clamp(this->currentIndex, 0, count - 1) : 0;
  this->currentTemplate = this->templates.GetAt(this->currentIndex);
}

void CQlmPrintPreview::SwapStoredState(CQlmPrintPreview& other) {
  this->templates.Swap(other.templates);
  std::swap(this->currentTemplate, other.currentTemplate);
  std::swap(this->currentIndex, other.currentIndex);
  std::swap(this->previewOpened, other.previewOpened);
}
