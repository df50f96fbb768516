#include "QlmGraphicsDriver.h"

#include <vtkRenderWindow.h>
#include <vtkRenderer.h>

namespace QlmGraphicsDriver {

// Never deleted: deleting it at exit would unload the driver before the leak
// check. Outside any function so that the pointer stays in memory, reachable.
vtkRenderWindow* KeptWindow = nullptr;

void KeepLoaded() {
  if (KeptWindow) return;
  KeptWindow = vtkRenderWindow::New();
  vtkRenderer* renderer = vtkRenderer::New();
  KeptWindow->AddRenderer(renderer);
  renderer->Delete();
  KeptWindow->SetOffScreenRendering(1);
  KeptWindow->SetSize(1, 1);
  KeptWindow->Render();
}

}  // namespace QlmGraphicsDriver
