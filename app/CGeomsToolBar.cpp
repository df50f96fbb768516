#include "app/CGeomsToolBar.h"

BOOL CGeomsToolBar::CreateControls() { return this->CreateLibraryControls({33259, 33260, 33266, 33267}, "STL:  "); }
