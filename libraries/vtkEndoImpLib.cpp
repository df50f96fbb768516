#include "libraries/vtkEndoImpLib.h"

#include <vtkObjectFactory.h>

vtkStandardNewMacro(vtkEndoImpLib);
