#include "app/CEndoToolBar.h"

BOOL CEndoToolBar::CreateControls() { return this->CreateLibraryControls({33296, 33297, 33298, 33299}, "Endo Imp:  "); }
