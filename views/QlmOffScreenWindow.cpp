#include "views/QlmOffScreenWindow.h"

#include <vtkCamera.h>
#include <vtkRenderWindow.h>

namespace QlmOffScreenWindow {

void SetUp(vtkRenderWindow* window) {
  window->SetNumberOfLayers(4);
  window->DoubleBufferOff();
  window->SwapBuffersOff();
  window->OffScreenRenderingOn();
}

void SetUpCamera(vtkCamera* camera) {
  camera->ParallelProjectionOn();
  camera->SetParallelScale(60.0);
}

}  // namespace QlmOffScreenWindow
