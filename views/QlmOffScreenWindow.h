#pragma once
// Set-up shared by the render-window wrappers.
class vtkCamera;
class vtkRenderWindow;

namespace QlmOffScreenWindow {

// Four layers, single-buffered, no buffer swap, off-screen rendering.
void SetUp(vtkRenderWindow* window);

// The shared camera of a wrapper: parallel projection showing 120 mm from top to bottom.
void SetUpCamera(vtkCamera* camera);

// The toolkit layer of a wrapper's layer L (3 bottom, 0 top): the toolkit
// draws its higher layer numbers on top, so the numbers run the other way.
constexpr int ToolkitLayer(int layer) { return 3 - layer; }

}  // namespace QlmOffScreenWindow
