#include "libraries/vtkEndoImpVirtual.h"

#include <vtkObjectFactory.h>

vtkStandardNewMacro(vtkEndoImpVirtual);
