#pragma once
// The project's placed endodontic objects, taken from endodontic libraries (".end" files).
#include "libraries/CEndoLibFile.h"
#include "objects/CQlmEndoImpKind.h"
#include "objects/CQlmMultiPartContainer.h"

class CQlmEndoImps : public CQlmMultiPartContainer<CQlmEndoImpKind> {
public:
  static CQlmEndoImps* CreateObject() { return new CQlmEndoImps; }
  CQlmEndoImps() : CQlmMultiPartContainer(LoadFile<CEndoLibFile>) {}
};
