#pragma once
// The mesh tool bar: the mesh library in use and its items, then the
// mesh tools and list.
#include "app/CLibraryToolBar.h"

class CGeomsToolBar : public CLibraryToolBar {
public:
  // FALSE when a placeholder is missing or a control cannot be made.
  BOOL CreateControls();
};
