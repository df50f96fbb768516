#pragma once
// Panoramic outlines of the placed teeth or meshes, parallel to the 3D list.
#include "objects/CQlmGeomPanoramic.h"
#include "objects/CQlmPlanningList.h"

class CQlmGeomPanoramicList : public CQlmPlanningList<CQlmGeomPanoramic> {
public:
  static CQlmGeomPanoramicList* CreateObject() { return new CQlmGeomPanoramicList; }
};
