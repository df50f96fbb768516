#pragma once
// A progress observer that drives a progress control owned by a dialog (the
// mail dialogs). Progress sent through SendMessageA changes nothing; the
// dialog's work calls SetPos itself, and the dialog's Cancel stops it.
#include <QPointer>

#include "output/CQlmObserverTransfer.h"

class CProgressCtrl;
class QThread;
class QWidget;

class CQlmObserverRequest : public CQlmObserverTransfer {
public:
  static CQlmObserverRequest* New();

  // The control to drive; not owned, may be null. Called on the control's thread.
  void SetProgressControl(CProgressCtrl* control);
  CProgressCtrl* GetProgressControl() const { return this->Control; }

  void SetRange(int low, int high);
  // Moves the control and repaints it at once. Called on another thread (a
  // transfer on a worker), it hands the position to the control's thread.
  void SetPos(int position) override;
  void ResetPos();

protected:
  CQlmObserverRequest() = default;

private:
  CProgressCtrl* Control = nullptr;
  // The control's window and thread, as SetProgressControl found them.
  QPointer<QWidget> Bar;
  QThread* ControlThread = nullptr;
};
