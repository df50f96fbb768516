#include "app/COrtoToolBar.h"

BOOL COrtoToolBar::CreateControls() { return this->CreateLibraryControls({33178, 33179, 33180, 33181}, "Orto Imp:  "); }
