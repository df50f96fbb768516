#include "libraries/vtkGeom.h"

#include <vtkObjectFactory.h>

vtkStandardNewMacro(vtkGeom);
