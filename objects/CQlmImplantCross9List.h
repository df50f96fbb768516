#pragma once
// The implants' cross9 representations, parallel to the 3D implant list.
#include "objects/CQlmImplantCross9.h"
#include "objects/CQlmPlanningList.h"

class CQlmImplantCross9List : public CQlmPlanningList<CQlmImplantCross9> {
public:
  static CQlmImplantCross9List* CreateObject() { return new CQlmImplantCross9List; }
};
