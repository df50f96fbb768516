#include "toolkit/vtkOrientWindow.h"

#include <vtkObjectFactory.h>

vtkStandardNewMacro(vtkOrientWindow);

vtkOrientWindow::vtkOrientWindow() {
  // In Edge order.
  this->AddLabel(0.5, 1, 0, -5, 1, 2);
  this->AddLabel(0.5, 0, 0, 5, 1, 0);
  this->AddLabel(0, 0.5, 6, 0, 0, 1);
  this->AddLabel(1, 0.5, -6, 0, 2, 1);
}
