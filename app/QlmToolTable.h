#pragma once
// The controller's tools as data: tool numbers 1 to 74, each with its core,
// the core's mode, the core on each style and the four interaction states.
#include <vector>

#include "app/QlmToolRow.h"

namespace QlmToolTable {

const std::vector<QlmToolRow>& Rows();
// The row of `tool`; null for a number without a tool (0 among them).
const QlmToolRow* Find(int tool);

}  // namespace QlmToolTable
