#pragma once
// The outline of an imported object's surface in the nine cross-sections.
#include "objects/CQlmGeometryCut.h"
#include "objects/CQlmMeshCutCross9.h"

class CQlmGeometryCross9 : public CQlmGeometryCut<CQlmMeshCutCross9> {
public:
  static CQlmGeometryCross9* CreateObject() { return new CQlmGeometryCross9; }
};
