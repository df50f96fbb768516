#pragma once
// A render-window wrapper as seen by the objects that draw into it: four layer
// renderers, layer 3 at the bottom (images), layer 1 for points and lines,
// layer 0 on top (overlays). The wrapper never belongs to those objects.
class vtkRenderer;

class CQlmLayeredWindow {
public:
  virtual ~CQlmLayeredWindow() = default;

  // Renderer of layer 0 to 3; null for any other number.
  virtual vtkRenderer* GetLayerRenderer(int layer) const = 0;
};
