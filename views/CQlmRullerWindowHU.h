#pragma once
// The axes of the HU profile plot of the measurement dialog: a scale bar
// whose source is a vtkRullerWindowHU (sized with GetSource()->SetSize).
#include "views/CQlmRullerWindow.h"

class CQlmRullerWindowHU : public CQlmRullerWindow {
public:
  // Null when memory runs out.
  static CQlmRullerWindowHU* New();

protected:
  using CQlmRullerWindow::CQlmRullerWindow;
};
