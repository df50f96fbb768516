#pragma once
// The rulers of the cross-section window, in drawing order; stored as an
// int32 count followed by the rulers' records.
#include "objects/CQlmPlanningList.h"
#include "objects/CQlmRuller9.h"

class CQlmRuller9List : public CQlmPlanningList<CQlmRuller9> {
public:
  static CQlmRuller9List* CreateObject() { return new CQlmRuller9List; }

  // A new ruler appended and returned.
  CQlmRuller9* AddNewRuller() { return this->AddTail(); }
  // Deletes the ruler at `index`; nothing when there is none.
  void RemoveAt(int index) { this->DeleteListItemAt(index); }

  void Serialize(CArchive& archive) override { this->SerializeItems(archive); }
};
