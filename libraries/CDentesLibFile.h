#pragma once
// The teeth library file, "<name>.dnt" in the library folder (see CQlmLibraryFile).
#include "libraries/CQlmLibraryFile.h"
#include "libraries/vtkGeomsLib.h"

class CDentesLibFile : public CQlmLibraryFile<vtkGeomsLib> {
public:
  CDentesLibFile() : CQlmLibraryFile(".dnt") {}
};
