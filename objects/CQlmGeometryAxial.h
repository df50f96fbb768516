#pragma once
// The outline of an imported object's surface in the axial view.
#include "objects/CQlmGeometryCut.h"
#include "objects/CQlmMeshCutAxial.h"

class CQlmGeometryAxial : public CQlmGeometryCut<CQlmMeshCutAxial> {
public:
  static CQlmGeometryAxial* CreateObject() { return new CQlmGeometryAxial; }
};
