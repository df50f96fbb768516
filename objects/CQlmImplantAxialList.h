#pragma once
// The implants' axial representations, parallel to the 3D implant list.
#include "objects/CQlmImplantAxial.h"
#include "objects/CQlmPlanningList.h"

class CQlmImplantAxialList : public CQlmPlanningList<CQlmImplantAxial> {
public:
  static CQlmImplantAxialList* CreateObject() { return new CQlmImplantAxialList; }
};
