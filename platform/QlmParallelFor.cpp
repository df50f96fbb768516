#include "platform/QlmParallelFor.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

std::atomic<int> maxThreads{0};

// What the helper threads share with the calling thread during one Run.
struct RunState {
  RunState(int count, const std::function<void(int)>& work) : Count(count), Work(work) {}

  // Takes the next item and runs it; false when none is left (or one failed).
  bool RunNextItem() {
    const int i = this->Next++;
    if (i >= this->Count) return false;
    try {
      this->Work(i);
    } catch (...) {
      std::lock_guard<std::mutex> lock(this->Mutex);
      if (!this->Error) this->Error = std::current_exception();
      this->Next = this->Count;
      return false;
    }
    std::lock_guard<std::mutex> lock(this->Mutex);
    ++this->Finished;
    this->Changed.notify_one();
    return true;
  }

  void HelperLoop() {
    while (this->RunNextItem()) {
    }
    std::lock_guard<std::mutex> lock(this->Mutex);
    --this->HelpersLeft;
    this->Changed.notify_one();
  }

  const int Count;
  const std::function<void(int)>& Work;
  std::atomic<int> Next{0};
  std::mutex Mutex;
  std::condition_variable Changed;
  int Finished = 0;
  int HelpersLeft = 0;
  std::exception_ptr Error;
};

// Reports the items finished so far, in order, on the calling thread.
class Reporter {
public:
  Reporter(RunState& state, const std::function<void(int)>& done) : State(state), Done(done) {}

  // With the state's mutex held by `lock`; unlocks it while reporting.
  void ReportFinished(std::unique_lock<std::mutex>& lock) {
    const int finished = this->State.Finished;
    const bool failed = this->State.Error || this->Error;
    lock.unlock();
    if (failed || !this->Done) {
      this->Reported = finished;
    } else {
      try {
        for (; this->Reported < finished; ++this->Reported) this->Done(this->Reported);
      } catch (...) {
        this->Error = std::current_exception();
        this->State.Next = this->State.Count;
      }
    }
    lock.lock();
  }

  int GetReported() const { return this->Reported; }
  std::exception_ptr GetError() const { return this->Error; }

private:
  RunState& State;
  const std::function<void(int)>& Done;
  int Reported = 0;
  std::exception_ptr Error;
};

void RunOnCallingThread(int count, const std::function<void(int)>& work, const std::function<void(int)>& done) {
  for (int i = 0; i < count; ++i) {
    work(i);
    if (done) done(i);
  }
}

// Starts state.HelpersLeft helpers; those the system refuses are left to the calling thread.
void StartHelpers(RunState& state, std::vector<std::thread>& helpers) {
  for (int left = state.HelpersLeft; left > 0; --left) {
    try {
      helpers.emplace_back(&RunState::HelperLoop, &state);
    } catch (const std::system_error&) {
      std::lock_guard<std::mutex> lock(state.Mutex);
      state.HelpersLeft -= left;
      return;
    }
  }
}

}  // namespace

void QlmParallelFor::SetMaxThreads(int count) { maxThreads = std::max(count, 0); }

int QlmParallelFor::GetMaxThreads() { return maxThreads; }

int QlmParallelFor::GetThreadCount() {
  const int cores = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
  return maxThreads > 0 ? maxThreads.load() : cores;
}

void QlmParallelFor::Run(int count, const std::function<void(int)>& work, const std::function<void(int)>& done) {
  const int threads = std::min(GetThreadCount(), count);
  if (threads <= 1) {
    RunOnCallingThread(count, work, done);
    return;
  }

  RunState state(count, work);
  state.HelpersLeft = threads - 1;
  std::vector<std::thread> helpers;
  helpers.reserve(threads - 1);
  StartHelpers(state, helpers);

  // The calling thread takes items too and reports between them; then it waits
  // for the helpers' last items. The observers run here, never on a helper.
  Reporter reporter(state, done);
  std::unique_lock<std::mutex> lock(state.Mutex);
  while (true) {
    lock.unlock();
    const bool ranOne = state.RunNextItem();
    lock.lock();
    reporter.ReportFinished(lock);
    if (!ranOne) break;
  }
  while (state.HelpersLeft > 0 || reporter.GetReported() < state.Finished) {
    state.Changed.wait(lock, [&] { return state.Finished > reporter.GetReported() || state.HelpersLeft == 0; });
    reporter.ReportFinished(lock);
  }
  lock.unlock();
  for (std::thread& helper : helpers) helper.join();
  if (state.Error) std::rethrow_exception(state.Error);
  if (reporter.GetError()) std::rethrow_exception(reporter.GetError());
}
