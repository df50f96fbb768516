#include "platform/QlmParallelFor.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

// Restores the process-wide thread limit after each case.
class QlmParallelForTest : public ::testing::TestWithParam<int> {
protected:
  void SetUp() override { QlmParallelFor::SetMaxThreads(GetParam()); }
  void TearDown() override { QlmParallelFor::SetMaxThreads(0); }
};

TEST_P(QlmParallelForTest, RunsEveryItemOnceAndReportsInOrderOnTheCallingThread) {
  constexpr int count = 500;
  std::vector<std::atomic<int>> runs(count);
  std::vector<int> reported;
  std::atomic<int> finished{0};
  bool reportedOnCaller = true;
  bool reportedAfterFinishing = true;
  const std::thread::id caller = std::this_thread::get_id();
  QlmParallelFor::Run(
      count,
      [&](int i) {
        ++runs[i];
        ++finished;
      },
      [&](int k) {
        reportedOnCaller &= std::this_thread::get_id() == caller;
        reportedAfterFinishing &= finished.load() >= k + 1;
        reported.push_back(k);
      });
  for (int i = 0; i < count; ++i) ASSERT_EQ(runs[i], 1) << "item " << i;
  ASSERT_EQ(reported.size(), static_cast<size_t>(count));
  for (int k = 0; k < count; ++k) ASSERT_EQ(reported[k], k);
  EXPECT_TRUE(reportedOnCaller);
  EXPECT_TRUE(reportedAfterFinishing);
}

TEST_P(QlmParallelForTest, RethrowsTheFirstErrorAndStartsNoMoreItems) {
  std::atomic<int> started{0};
  EXPECT_THROW(QlmParallelFor::Run(100000,
                                   [&](int i) {
                                     ++started;
                                     if (i == 3) throw std::runtime_error("item 3");
                                   }),
               std::runtime_error);
  EXPECT_LT(started.load(), 100000);
}

TEST_P(QlmParallelForTest, AnErrorOfTheReportEndsTheRun) {
  EXPECT_THROW(QlmParallelFor::Run(
                   1000, [](int) {},
                   [](int k) {
                     if (k == 10) throw std::runtime_error("report 10");
                   }),
               std::runtime_error);
}

INSTANTIATE_TEST_SUITE_P(Threads, QlmParallelForTest, ::testing::Values(1, 4));

TEST(QlmParallelFor, NothingToDoCallsNothing) {
  QlmParallelFor::Run(
      0, [](int) { FAIL(); }, [](int) { FAIL(); });
  QlmParallelFor::Run(-3, [](int) { FAIL(); });
}

}  // namespace
