#include "libraries/vtkOrtoImpSec.h"

#include <vtkObjectFactory.h>

vtkStandardNewMacro(vtkOrtoImpSec);
