#pragma once
// The orthodontic library file, "<name>.omp" in the library folder (see CQlmLibraryFile).
#include "libraries/CQlmLibraryFile.h"
#include "libraries/vtkOrtoImpLib.h"

class COrtoLibFile : public CQlmLibraryFile<vtkOrtoImpLib> {
public:
  COrtoLibFile() : CQlmLibraryFile(".omp") {}
};
