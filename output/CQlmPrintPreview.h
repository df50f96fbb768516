#pragma once
// The report printer of a project: its page templates and the current one.
// The controller makes one with every project; the project file stores it.
//
// Record: int32 current index, int32 previewOpened, the template list. The
// project file holds previewOpened first and the record only when it is set.
#include <cstdint>

#include "output/CQlmPrintTemplateList.h"
#include "platform/CObject.h"

class CQlmPrintPreview : public CObject {
public:
  CQlmPrintPreview() = default;

  // Loading appends the templates read and makes the one at the stored index
  // current, an index outside the list taken to its nearest end.
  void Serialize(CArchive& archive) override;
  // Exchanges what the project file stores (templates, current template and
  // index, previewOpened) with `other`.
  void SwapStoredState(CQlmPrintPreview& other);

  CQlmPrintTemplateList templates;
  // The template shown and printed; null while there are no templates.
  CQlmPrintTemplate* currentTemplate = nullptr;
  int32_t currentIndex = 0;
  // 1 once the preview has been opened on the project: its templates are then stored.
  int32_t previewOpened = 0;
};
