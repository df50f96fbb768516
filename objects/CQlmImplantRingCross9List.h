#pragma once
// The guide rings' cross-section outlines, parallel to the implant lists: ring i belongs to implant i.
#include "objects/CQlmImplantRingCross9.h"
#include "objects/CQlmPlanningList.h"

class CQlmImplantRingCross9List : public CQlmPlanningList<CQlmImplantRingCross9> {
public:
  static CQlmImplantRingCross9List* CreateObject() { return new CQlmImplantRingCross9List; }
};
