#pragma once
// Real test data fetched from Debian's packages by scripts/fetch-test-data.sh.
#include <filesystem>
#include <string>

namespace QlmTestData {

// Folder of the data: $QLM_TEST_DATA, else the folder configured at build time.
std::filesystem::path Root();

// Full path of a file below Root(), e.g. "ct/Cranium/matrix.dat".
std::filesystem::path Path(const std::string& relative);

// True when the file exists; otherwise fills `why` with a message for GTEST_SKIP.
bool Has(const std::string& relative, std::string& why);

// The real head CT with teeth: raw little-endian int16, x fastest, slice 0 lowest.
inline constexpr int CraniumDims[3] = {256, 256, 108};
inline constexpr double CraniumSpacing[3] = {0.9570312, 0.9570312, 1.5};
inline constexpr const char* CraniumMatrix = "ct/Cranium/matrix.dat";
inline constexpr const char* CraniumSurface = "ct/Cranium/surface_0.vtp";

}  // namespace QlmTestData

// Skips the current test (with the reason) when a data file is absent.
#define QLM_REQUIRE_TEST_DATA(relative)                  \
  do {                                                   \
    std::string qlmWhy_;                                 \
    if (!QlmTestData::Has(relative, qlmWhy_)) GTEST_SKIP() << qlmWhy_; \
  } while (0)
