#pragma once
// The implant table's rows of a report page: the implants of the
// controller's implant container, read at every drawing so that the table
// follows the implants placed, moved or deleted since.
#include "output/CQlmImplantTableSource.h"

class CQlmQuorvantile;

class CQlmReportImplants : public CQlmImplantTableSource {
public:
  // `controller` outlives the source.
  explicit CQlmReportImplants(const CQlmQuorvantile* controller) : Controller(controller) {}

  int GetImplantCount() const override;
  // An empty row for an index without implant.
  Row GetImplantRow(int index) const override;

private:
  const CQlmQuorvantile* Controller;
};
