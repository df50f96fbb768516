#include "app/CQlmObserverRequest.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QProgressBar>
#include <QThread>
#include <algorithm>

#include "platform/gui/CProgressCtrl.h"

CQlmObserverRequest* CQlmObserverRequest::New() { return new CQlmObserverRequest; }

void CQlmObserverRequest::SetRange(int low, int high) {
  if (this->Control) this->Control->SetRange32(low, high);
}

void CQlmObserverRequest::SetProgressControl(CProgressCtrl* control) {
  this->Control = control;
  this->Bar = control ? control->GetSafeHwnd() : nullptr;
  this->ControlThread = QThread::currentThread();
}

void CQlmObserverRequest::SetPos(int position) {
  if (!this->Control) return;
  if (QThread::currentThread() != this->ControlThread) {
    // A transfer on a worker: the control's thread moves the bar, when it is still there.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [bar = this->Bar, position] {
          auto* progress = qobject_cast<QProgressBar*>(bar.data());
          if (!progress) return;
          progress->setValue(std::clamp(position, progress->minimum(), progress->maximum()));
          progress->repaint();
        },
        Qt::QueuedConnection);
    return;
  }
  this->Control->SetPos(position);
  this->Control->UpdateWindow();
}

void CQlmObserverRequest::ResetPos() {
  if (this->Control) this->Control->SetPos(0);
}
