#include "app/CQlmObserverRequest.h"

#include "platform/gui/CProgressCtrl.h"

CQlmObserverRequest* CQlmObserverRequest::New() { return new CQlmObserverRequest; }

void CQlmObserverRequest::SetRange(int low, int high) {
  if (this->Control) this->Control->SetRange32(low, high);
}

void CQlmObserverRequest::SetPos(int position) {
  if (!this->Control) return;
  this->Control->SetPos(position);
  this->Control->UpdateWindow();
}

void CQlmObserverRequest::ResetPos() {
  if (this->Control) this->Control->SetPos(0);
}
