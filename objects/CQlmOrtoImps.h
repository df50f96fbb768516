#pragma once
// The project's placed orthodontic objects, taken from orthodontic libraries (".omp" files).
#include "libraries/COrtoLibFile.h"
#include "objects/CQlmOrtoImpKind.h"
#include "objects/CQlmMultiPartContainer.h"

class CQlmOrtoImps : public CQlmMultiPartContainer<CQlmOrtoImpKind> {
public:
  static CQlmOrtoImps* CreateObject() { return new CQlmOrtoImps; }
  CQlmOrtoImps() : CQlmMultiPartContainer(LoadFile<COrtoLibFile>) {}
};
