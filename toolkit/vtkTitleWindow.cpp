#include "toolkit/vtkTitleWindow.h"

#include <vtkObjectFactory.h>

vtkStandardNewMacro(vtkTitleWindow);

vtkTitleWindow::vtkTitleWindow() { this->AddLabel(0, 1, 6, -5, 0, 2); }
