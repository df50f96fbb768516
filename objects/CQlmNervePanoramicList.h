#pragma once
// The nerves' panoramic cuts, parallel to the nerve list: cut i belongs to nerve i.
#include "objects/CQlmNervePanoramic.h"
#include "objects/CQlmPlanningList.h"

class CQlmNervePanoramicList : public CQlmPlanningList<CQlmNervePanoramic> {
public:
  static CQlmNervePanoramicList* CreateObject() { return new CQlmNervePanoramicList; }
  CQlmNervePanoramic* AddNewNervePanoramic() { return this->AddTail(); }
};
