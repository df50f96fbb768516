#include "toolkit/QlmParallelFor.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace {

std::atomic<int> maxThreads{0};

// What the workers share with the calling thread during one Run.
struct RunState {
  std::atomic<int> Next{0};
  std::mutex Mutex;
  std::condition_variable Changed;
  int Finished = 0;
  int WorkersLeft = 0;
  std::exception_ptr Error;
};

void WorkerLoop(RunState& state, int count, const std::function<void(int)>& work) {
  for (int i = state.Next++; i < count; i = state.Next++) {
    try {
      work(i);
    } catch (...) {
      std::lock_guard<std::mutex> lock(state.Mutex);
      if (!state.Error) state.Error = std::current_exception();
      state.Next = count;
      break;
    }
    std::lock_guard<std::mutex> lock(state.Mutex);
    ++state.Finished;
    state.Changed.notify_one();
  }
  std::lock_guard<std::mutex> lock(state.Mutex);
  --state.WorkersLeft;
  state.Changed.notify_one();
}

void RunOnCallingThread(int count, const std::function<void(int)>& work, const std::function<void(int)>& done) {
  for (int i = 0; i < count; ++i) {
    work(i);
    if (done) done(i);
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

  RunState state;
  state.WorkersLeft = threads;
  std::vector<std::thread> workers;
  workers.reserve(threads);
  for (int t = 0; t < threads; ++t) workers.emplace_back(WorkerLoop, std::ref(state), count, std::cref(work));

  // Report finished items in order; the observers run here, never on a worker.
  std::exception_ptr reportError;
  int reported = 0;
  std::unique_lock<std::mutex> lock(state.Mutex);
  while (true) {
    state.Changed.wait(lock, [&] { return state.Finished > reported || state.WorkersLeft == 0; });
    const int finished = state.Finished;
    const bool workersDone = state.WorkersLeft == 0;
    const bool failed = state.Error || reportError;
    lock.unlock();
    if (failed || !done) {
      reported = finished;
    } else {
      try {
        for (; reported < finished; ++reported) done(reported);
      } catch (...) {
        reportError = std::current_exception();
        state.Next = count;
      }
    }
    lock.lock();
    if (workersDone && reported >= state.Finished) break;
  }
  lock.unlock();
  for (std::thread& worker : workers) worker.join();
  if (state.Error) std::rethrow_exception(state.Error);
  if (reportError) std::rethrow_exception(reportError);
}
