#include "app/CDentesToolBar.h"

BOOL CDentesToolBar::CreateControls() { return this->CreateLibraryControls({33270, 33271, 33268, 33269}, "Dente:  "); }
