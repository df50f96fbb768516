#include "toolkit/vtkWin32ImageMapper29.h"

#include <vtkObjectFactory.h>

vtkStandardNewMacro(vtkWin32ImageMapper29);
