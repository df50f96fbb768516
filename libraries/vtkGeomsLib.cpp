#include "libraries/vtkGeomsLib.h"

#include <vtkObjectFactory.h>

vtkStandardNewMacro(vtkGeomsLib);
