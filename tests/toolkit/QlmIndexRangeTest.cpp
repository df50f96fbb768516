#include "toolkit/QlmIndexRange.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct RescaleCase {
  int index, oldLargest, newLargest, expected;
};

TEST(QlmIndexRange, RescaleMovesTheIndexInProportionWithinTheNewRange) {
  const RescaleCase cases[] = {
      {20, 25, 13, 10},  // trunc(13 * 20 / 25)
      {25, 25, 50, 50},  {0, 25, 50, 0},   {7, 7, 3, 3},
      {5, 0, 10, 5},     // no old range: the index is kept ...
      {15, 0, 10, 10},   // ... within the new one
      {5, -3, 10, 5},    {5, 10, 0, 0},    {5, 10, -4, 0},  // no new range: 0
  };
  for (const RescaleCase& c : cases) {
    EXPECT_EQ(QlmIndexRange::Rescale(c.index, c.oldLargest, c.newLargest), c.expected)
        << c.index << " of " << c.oldLargest << " to " << c.newLargest;
  }
}

TEST(QlmIndexRange, CountsAndUsableLengths) {
  EXPECT_EQ(QlmIndexRange::AxialCount(25.0f, 1.0f), 25);
  EXPECT_EQ(QlmIndexRange::AxialCount(25.0f, 2.0f), 13);
  EXPECT_EQ(QlmIndexRange::CrossMaximum(100.0f, 2.0f), 42);
  EXPECT_LT(QlmIndexRange::CrossMaximum(-1.0f, 2.0f), 0) << "no arch";
  for (double bad : {0.0, -2.0, double(NAN), double(INFINITY)}) EXPECT_FALSE(QlmIndexRange::IsUsableLength(bad)) << bad;
  EXPECT_TRUE(QlmIndexRange::IsUsableLength(0.1));
}

}  // namespace
