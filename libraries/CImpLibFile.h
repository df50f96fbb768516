#pragma once
// The implant library file, "<name>.imp" in the library folder (see CQlmLibraryFile).
#include "libraries/CQlmLibraryFile.h"
#include "libraries/vtkImplantLib.h"

class CImpLibFile : public CQlmLibraryFile<vtkImplantLib> {
public:
  CImpLibFile() : CQlmLibraryFile(".imp") {}
};
