#pragma once
// Runs independent work items on several threads, the calling thread among
// them, and reports progress on the calling thread only, so observers that
// redraw the user interface are never called from another thread.
//
//   QlmParallelFor::Run(rows, [&](int y) { FillRow(y); },
//                       [&](int k) { observer->SendMessageA(...k...); });
#include <functional>

class QlmParallelFor {
public:
  // Most threads a Run uses, the calling thread included; 0 (the default) means
  // one per core. Process-wide, like vtkSMPTools::Initialize: set it before
  // starting work, not during.
  static void SetMaxThreads(int count);
  static int GetMaxThreads();
  // The number of threads a Run of many items would use.
  static int GetThreadCount();

  // Calls work(i) once for each i in 0 .. count - 1, in any order and on any of
  // the threads, and returns when every item has finished. done(k) is called on
  // the calling thread for k = 0, 1, ..., count - 1 in this order, each call once
  // at least k + 1 items have finished. The first exception thrown by work stops
  // the items not yet started and is rethrown here. count <= 0 does nothing.
  // Threads the system refuses to start leave their share to the others.
  static void Run(int count, const std::function<void(int)>& work, const std::function<void(int)>& done = nullptr);
};
