#pragma once
// The lines of a report page's implant table. Every number shows at least
// three digits before the decimal point and the index two: "01", "002.50mm".
#include <QString>

#include "output/CQlmImplantTableSource.h"

namespace QlmImplantTableText {

QString HeaderLine();
// Row of the implant at `index` (from 0; the table shows index + 1), in the
// preview's or the printer's spacing.
QString PreviewRow(int index, const CQlmImplantTableSource::Row& row);
QString PrinterRow(int index, const CQlmImplantTableSource::Row& row);

}  // namespace QlmImplantTableText
