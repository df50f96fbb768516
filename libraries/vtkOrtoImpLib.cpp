#include "libraries/vtkOrtoImpLib.h"

#include <vtkObjectFactory.h>

vtkStandardNewMacro(vtkOrtoImpLib);
