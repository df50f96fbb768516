#pragma once
// The teeth tool bar: the teeth library in use and its items, then the
// teeth tools and list.
#include "app/CLibraryToolBar.h"

class CDentesToolBar : public CLibraryToolBar {
public:
  // FALSE when a placeholder is missing or a control cannot be made.
  BOOL CreateControls();
};
