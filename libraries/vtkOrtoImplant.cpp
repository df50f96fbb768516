#include "libraries/vtkOrtoImplant.h"

#include <vtkObjectFactory.h>

vtkStandardNewMacro(vtkOrtoImplant);
