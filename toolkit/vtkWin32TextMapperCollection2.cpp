#include "toolkit/vtkWin32TextMapperCollection2.h"

#include <vtkObjectFactory.h>

vtkStandardNewMacro(vtkWin32TextMapperCollection2);
