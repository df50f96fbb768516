#include "toolkit/QlmIndexRange.h"

#include <algorithm>
#include <cmath>

namespace QlmIndexRange {

bool IsUsableLength(double length) { return std::isfinite(length) && length > 0.0; }

int AxialCount(float height, float spacing) { return static_cast<int>(height / spacing + 0.5f); }

int CrossMaximum(float archLength, float spacing) { return static_cast<int>(archLength / spacing - 8.0f); }

int Rescale(int index, int oldLargest, int newLargest) {
  if (newLargest <= 0) return 0;
  if (oldLargest <= 0) return std::clamp(index, 0, newLargest);
  const double moved = static_cast<double>(newLargest) * index / oldLargest;
  return std::clamp(static_cast<int>(moved), 0, newLargest);
}

}  // namespace QlmIndexRange
