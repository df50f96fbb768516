#include "libraries/vtkOrtoImpVirtual.h"

#include <vtkObjectFactory.h>

vtkStandardNewMacro(vtkOrtoImpVirtual);
