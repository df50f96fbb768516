#pragma once
// Cross-section outlines of the placed teeth or meshes, parallel to the 3D list.
#include "objects/CQlmGeomCross9.h"
#include "objects/CQlmPlanningList.h"

class CQlmGeomCross9List : public CQlmPlanningList<CQlmGeomCross9> {
public:
  static CQlmGeomCross9List* CreateObject() { return new CQlmGeomCross9List; }
};
