#include "views/vtkObserverRender3DStart.h"

#include "libconvert/CQlmObserver.h"

vtkObserverRender3DStart* vtkObserverRender3DStart::New() { return new vtkObserverRender3DStart; }

void vtkObserverRender3DStart::Execute(vtkObject* /*caller*/, unsigned long /*eventId*/, void* /*callData*/) {
  if (this->StatusTarget) this->StatusTarget->SetText(CString("Renderizando Janela 3D..."));
}
