#pragma once
// The 3x3 cross-section window as seen by the objects that draw into its cells:
// cell i (0 .. 8) in row i / 3 from the top and column i % 3, each with four
// layer renderers as in CQlmLayeredWindow (layer 3 at the bottom holds images).
// The window never belongs to those objects.
class vtkRenderer;

class CQlmLayeredWindow9 {
public:
  virtual ~CQlmLayeredWindow9() = default;

  // Renderer of layer 0 to 3 of cell 0 to 8; null for any other numbers.
  virtual vtkRenderer* GetCellLayerRenderer(int cell, int layer) const = 0;
};
