#include "QlmTestApplication.h"

#include <gtest/gtest.h>

namespace {

QApplication* Instance = nullptr;

// Deletes the application after the last test, before the process's statics go.
class ApplicationEnvironment : public ::testing::Environment {
public:
  void TearDown() override {
    delete Instance;
    Instance = nullptr;
  }
};

[[maybe_unused]] ::testing::Environment* const Registered =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

QApplication& QlmTestApplication() {
  static int argc = 1;
  static char name[] = "QlmViewsTest";
  static char* argv[] = {name, nullptr};
  if (!Instance) Instance = new QApplication(argc, argv);
  return *Instance;
}
