#pragma once
// The guide rings' axial outlines, parallel to the implant lists: ring i belongs to implant i.
#include "objects/CQlmImplantRingAxial.h"
#include "objects/CQlmPlanningList.h"

class CQlmImplantRingAxialList : public CQlmPlanningList<CQlmImplantRingAxial> {
public:
  static CQlmImplantRingAxialList* CreateObject() { return new CQlmImplantRingAxialList; }
};
