// The real head CT that tests and benchmarks use is where the helper says.
#include "QlmTestData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <vector>

TEST(RealTestData, CraniumCtHasItsVoxelsAndRange) {
  QLM_REQUIRE_TEST_DATA(QlmTestData::CraniumMatrix);
  const auto& d = QlmTestData::CraniumDims;
  const size_t count = static_cast<size_t>(d[0]) * d[1] * d[2];
  std::ifstream in(QlmTestData::Path(QlmTestData::CraniumMatrix), std::ios::binary);
  std::vector<int16_t> voxels(count + 1);
  in.read(reinterpret_cast<char*>(voxels.data()), static_cast<std::streamsize>((count + 1) * sizeof(int16_t)));
  ASSERT_EQ(static_cast<size_t>(in.gcount()), count * sizeof(int16_t)) << "expected exactly 256x256x108 int16";
  voxels.pop_back();
  const auto [low, high] = std::minmax_element(voxels.begin(), voxels.end());
  EXPECT_EQ(*low, -1024);
  EXPECT_EQ(*high, 2986);
}
