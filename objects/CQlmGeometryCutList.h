#pragma once
// A list of imported-object cuts of one view, item i belonging to object i.
// Its record is the count alone: the cuts are built afresh from the objects.
#include "objects/CQlmPlanningList.h"

template <typename Cut>
class CQlmGeometryCutList : public CQlmPlanningList<Cut> {
public:
  // More cuts than a project can have objects make a damaged record.
  static constexpr int32_t MaximumCount = 10000;

  void DeleteList() { this->RemoveAll(); }

  // int32 count; loading appends that many unbuilt cuts.
  void Serialize(CArchive& archive) override {
    if (archive.IsStoring()) {
      archive << int32_t(this->GetCount());
      return;
    }
    int32_t count;
    archive >> count;
    if (count < 0 || count > MaximumCount) throw CArchiveException(CArchiveException::badIndex, "cut count");
    for (int32_t i = 0; i < count; ++i) this->AddTail();
  }
};
