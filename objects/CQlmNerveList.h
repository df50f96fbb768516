#pragma once
// The nerves of a project, in order: the list the project file stores.
#include "objects/CQlmNerve.h"
#include "objects/CQlmPlanningList.h"

class CQlmNerveList : public CQlmPlanningList<CQlmNerve> {
public:
  static CQlmNerveList* CreateObject() { return new CQlmNerveList; }
  CQlmNerve* AddNewNerve() { return this->AddTail(); }
  // int32 count, then every nerve's record; loading appends the nerves read.
  void Serialize(CArchive& archive) override { this->SerializeItems(archive); }
};
