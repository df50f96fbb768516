#pragma once
// Progress observer of a transfer that the user may cancel: the sending
// reports a position from 0 to 100 through SetPos and asks GetContinue
// between steps; Cancel makes the next step stop the transfer. The transfer
// may run on another thread than the one that calls Cancel.
#include <atomic>

#include "libconvert/CQlmObserver.h"

class CQlmObserverTransfer : public CQlmObserver {
public:
  // Clears the continue flag; the transfer stops at its next step.
  void Cancel() { this->Continue = 0; }
  // 1 until Cancel is called.
  int GetContinue() const { return this->Continue; }

  // Shows the position (0 to 100); the base shows nothing.
  virtual void SetPos(int position);

private:
  std::atomic<int> Continue = 1;
};
