#include "toolkit/vtkNumberWindow.h"

#include <vtkObjectFactory.h>

vtkStandardNewMacro(vtkNumberWindow);

vtkNumberWindow::vtkNumberWindow() { this->AddLabel(0, 0, 6, 5, 0, 0); }
