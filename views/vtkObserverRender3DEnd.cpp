#include "views/vtkObserverRender3DEnd.h"

#include "libconvert/CQlmObserver.h"

vtkObserverRender3DEnd* vtkObserverRender3DEnd::New() { return new vtkObserverRender3DEnd; }

void vtkObserverRender3DEnd::Execute(vtkObject* /*caller*/, unsigned long /*eventId*/, void* /*callData*/) {
  if (this->StatusTarget) this->StatusTarget->SetText(CString("Pronto"));
}
