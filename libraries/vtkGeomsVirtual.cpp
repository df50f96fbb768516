#include "libraries/vtkGeomsVirtual.h"

#include <vtkObjectFactory.h>

vtkStandardNewMacro(vtkGeomsVirtual);
