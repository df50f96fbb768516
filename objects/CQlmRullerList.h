#pragma once
// The rulers of one single view (axial, panoramic or 3D), in drawing order;
// stored as an int32 count followed by the rulers' records.
#include "objects/CQlmPlanningList.h"
#include "objects/CQlmRuller.h"

class CQlmRullerList : public CQlmPlanningList<CQlmRuller> {
public:
  static CQlmRullerList* CreateObject() { return new CQlmRullerList; }

  // A new ruler appended and returned.
  CQlmRuller* AddNewRuller() { return this->AddTail(); }
  // Deletes the ruler at `index`; nothing when there is none.
  void RemoveAt(int index) { this->DeleteListItemAt(index); }

  void Serialize(CArchive& archive) override { this->SerializeItems(archive); }
};
