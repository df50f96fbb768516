#pragma once
// The guide rings' panoramic outlines, parallel to the implant lists: ring i belongs to implant i.
#include "objects/CQlmImplantRingPanoramic.h"
#include "objects/CQlmPlanningList.h"

class CQlmImplantRingPanoramicList : public CQlmPlanningList<CQlmImplantRingPanoramic> {
public:
  static CQlmImplantRingPanoramicList* CreateObject() { return new CQlmImplantRingPanoramicList; }
};
