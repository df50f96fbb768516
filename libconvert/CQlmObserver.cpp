#include "libconvert/CQlmObserver.h"

CQlmObserver* CQlmObserver::New()
{
  return new CQlmObserver;
}

void CQlmObserver::Delete()
{
  delete this;
}

void CQlmObserver::Delete(CQlmObserver* observer)
{
  delete observer;
}

void CQlmObserver::SendMessageA(long* current, unsigned int* total, int param)
{
  this->Current = current;
  this->Total = total;
  this->Param = param;
  this->Execute();
}

void CQlmObserver::SetText(CString /*text*/) {}

CString CQlmObserver::GetText() const { return CString(); }

void CQlmObserver::Execute() {}
