#pragma once
// The orthodontic tool bar: the orthodontic library in use and its items,
// then the orthodontic tools and list.
#include "app/CLibraryToolBar.h"

class COrtoToolBar : public CLibraryToolBar {
public:
  // FALSE when a placeholder is missing or a control cannot be made.
  BOOL CreateControls();
};
