#pragma once
// The nerves' cross-section cuts, parallel to the nerve list: cut i belongs to nerve i.
#include "objects/CQlmNerveCross9.h"
#include "objects/CQlmPlanningList.h"

class CQlmNerveCross9List : public CQlmPlanningList<CQlmNerveCross9> {
public:
  static CQlmNerveCross9List* CreateObject() { return new CQlmNerveCross9List; }
  CQlmNerveCross9* AddNewNerveCross9() { return this->AddTail(); }
};
