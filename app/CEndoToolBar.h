#pragma once
// The endodontic tool bar: the endodontic library in use and its items, then the
// endodontic tools and list.
#include "app/CLibraryToolBar.h"

class CEndoToolBar : public CLibraryToolBar {
public:
  // FALSE when a placeholder is missing or a control cannot be made.
  BOOL CreateControls();
};
