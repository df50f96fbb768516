#include "libraries/vtkEndoImplant.h"

#include <vtkObjectFactory.h>

vtkStandardNewMacro(vtkEndoImplant);
