#pragma once
// Axial outlines of the placed teeth or meshes, parallel to the 3D list.
#include "objects/CQlmGeomAxial.h"
#include "objects/CQlmPlanningList.h"

class CQlmGeomAxialList : public CQlmPlanningList<CQlmGeomAxial> {
public:
  static CQlmGeomAxialList* CreateObject() { return new CQlmGeomAxialList; }
};
