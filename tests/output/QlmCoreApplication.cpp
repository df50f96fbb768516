// The QCoreApplication of a test process, as the program has one: Qt Network
// loads its TLS backend through the application's plugin loader.
#include <gtest/gtest.h>

#include <QCoreApplication>

namespace {

class CoreApplicationEnvironment : public testing::Environment {
public:
  void SetUp() override { this->Application = new QCoreApplication(this->Argc, this->Argv); }
  void TearDown() override {
    delete this->Application;
    this->Application = nullptr;
  }

private:
  int Argc = 1;
  char Name[16] = "QlmMailTests";
  char* Argv[2] = {Name, nullptr};
  QCoreApplication* Application = nullptr;
};

[[maybe_unused]] testing::Environment* const Registered =
    testing::AddGlobalTestEnvironment(new CoreApplicationEnvironment);

}  // namespace
