#pragma once
// The endodontic library file, "<name>.end" in the library folder (see CQlmLibraryFile).
#include "libraries/CQlmLibraryFile.h"
#include "libraries/vtkEndoImpLib.h"

class CEndoLibFile : public CQlmLibraryFile<vtkEndoImpLib> {
public:
  CEndoLibFile() : CQlmLibraryFile(".end") {}
};
