#pragma once
// The nerves' axial cuts, parallel to the nerve list: cut i belongs to nerve i.
#include "objects/CQlmNerveAxial.h"
#include "objects/CQlmPlanningList.h"

class CQlmNerveAxialList : public CQlmPlanningList<CQlmNerveAxial> {
public:
  static CQlmNerveAxialList* CreateObject() { return new CQlmNerveAxialList; }
  CQlmNerveAxial* AddNewNerveAxial() { return this->AddTail(); }
};
