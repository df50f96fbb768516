#pragma once
// The placed teeth or meshes of one container, in order.
#include "objects/CQlmGeom3D.h"
#include "objects/CQlmPlanningList.h"

class CQlmGeom3DList : public CQlmPlanningList<CQlmGeom3D> {
public:
  static CQlmGeom3DList* CreateObject() { return new CQlmGeom3DList; }
};
