#pragma once
// The titles of the nine cells of the cross-section view.
#include "views/CQlmTextWindow9.h"

class CQlmTitleWindow9 : public CQlmTextWindow9 {
public:
  // Null when memory runs out.
  static CQlmTitleWindow9* New();

  // The eight outer titles (not the centre's); stored.
  void SetColor(float r, float g, float b);
  // The same text in all nine cells.
  void SetTitle(const char* text);

protected:
  CQlmTitleWindow9();
};
