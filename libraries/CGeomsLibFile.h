#pragma once
// The mesh library file, "<name>.geo" in the library folder (see CQlmLibraryFile).
#include "libraries/CQlmLibraryFile.h"
#include "libraries/vtkGeomsLib.h"

class CGeomsLibFile : public CQlmLibraryFile<vtkGeomsLib> {
public:
  CGeomsLibFile() : CQlmLibraryFile(".geo") {}
};
