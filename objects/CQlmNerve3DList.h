#pragma once
// The nerves' tubes in the 3D view, parallel to the nerve list: tube i belongs to nerve i.
#include "objects/CQlmNerve3D.h"
#include "objects/CQlmPlanningList.h"

class CQlmNerve3DList : public CQlmPlanningList<CQlmNerve3D> {
public:
  static CQlmNerve3DList* CreateObject() { return new CQlmNerve3DList; }
  CQlmNerve3D* AddNewNerve3D() { return this->AddTail(); }
};
