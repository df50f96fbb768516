#pragma once
// A progress observer that drives a progress control owned by a dialog (the
// mail dialogs). Progress sent through SendMessageA changes nothing; the
// dialog's work calls SetPos itself, and the dialog's Cancel stops it.
#include "output/CQlmObserverTransfer.h"

class CProgressCtrl;

class CQlmObserverRequest : public CQlmObserverTransfer {
public:
  static CQlmObserverRequest* New();

  // The control to drive; not owned, may be null.
  void SetProgressControl(CProgressCtrl* control) { this->Control = control; }
  CProgressCtrl* GetProgressControl() const { return this->Control; }

  void SetRange(int low, int high);
  // Moves the control and repaints it at once.
  void SetPos(int position) override;
  void ResetPos();

protected:
  CQlmObserverRequest() = default;

private:
  CProgressCtrl* Control = nullptr;
};
