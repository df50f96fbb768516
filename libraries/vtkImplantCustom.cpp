#include "libraries/vtkImplantCustom.h"

#include <vtkObjectFactory.h>

vtkStandardNewMacro(vtkImplantCustom);
