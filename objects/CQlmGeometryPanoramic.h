#pragma once
// The outline of an imported object's surface in the panoramic view.
#include "objects/CQlmGeometryCut.h"
#include "objects/CQlmMeshCutPanoramic.h"

class CQlmGeometryPanoramic : public CQlmGeometryCut<CQlmMeshCutPanoramic> {
public:
  static CQlmGeometryPanoramic* CreateObject() { return new CQlmGeometryPanoramic; }
};
