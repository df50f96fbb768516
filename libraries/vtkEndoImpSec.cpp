#include "libraries/vtkEndoImpSec.h"

#include <vtkObjectFactory.h>

vtkStandardNewMacro(vtkEndoImpSec);
