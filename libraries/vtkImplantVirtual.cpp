#include "libraries/vtkImplantVirtual.h"

#include <vtkObjectFactory.h>

vtkStandardNewMacro(vtkImplantVirtual);
