#include <gtest/gtest.h>

#include "tools/CQlmCorePolyLine.h"

namespace {

// The cross-section scroll bar after an arch edit. An arch shorter than the
// nine sections gives a negative largest first index: the range stays 0 .. 0.
TEST(CQlmCorePolyLineScroll, RangeAndPositionStayInsideZeroToTheLargestFirstIndex) {
  struct Case {
    int maxIndex, firstIndex, maximum, position;
  };
  const Case cases[] = {
      {40, 10, 40, 30},  // the usual case: position runs opposite to the index
      {40, 0, 40, 40},  {40, 40, 40, 0},
      {40, 55, 40, 0},   // a first index left beyond a shrunk arch
      {0, 0, 0, 0},     {-3, -3, 0, 0},  // short arch: the filter clamps its first index to the negative maximum
      {-3, 2, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CQlmCorePolyLine::ScrollMaximum(c.maxIndex), c.maximum) << c.maxIndex;
    EXPECT_EQ(CQlmCorePolyLine::ScrollPosition(c.maxIndex, c.firstIndex), c.position)
        << c.maxIndex << " " << c.firstIndex;
  }
}

}  // namespace
