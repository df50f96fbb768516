#include "QlmTestData.h"

#include <cstdlib>

namespace QlmTestData {

std::filesystem::path Root() {
  if (const char* env = std::getenv("QLM_TEST_DATA"); env && *env) return env;
  return QLM_TEST_DATA_DEFAULT;
}

std::filesystem::path Path(const std::string& relative) { return Root() / relative; }

bool Has(const std::string& relative, std::string& why) {
  const auto path = Path(relative);
  if (std::filesystem::is_regular_file(path)) return true;
  why = "real test data missing: " + path.string() +
        " (run scripts/fetch-test-data.sh; it extracts Debian's data packages there)";
  return false;
}

}  // namespace QlmTestData
