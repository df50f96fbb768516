#pragma once
// The coloured frame around a view or a cell: a closed line along the edges
// of the viewport, in its pixels (for a vtkPolyDataMapper2D, line width 2).
#include "toolkit/vtkOverlayWindowSource.h"

class vtkBorderWindow : public vtkOverlayWindowSource {
public:
  static vtkBorderWindow* New();
  vtkTypeMacro(vtkBorderWindow, vtkOverlayWindowSource);

  // Width of the frame's line in pixels.
  static constexpr float LineWidth = 2.0f;

  vtkBorderWindow(const vtkBorderWindow&) = delete;
  void operator=(const vtkBorderWindow&) = delete;

protected:
  vtkBorderWindow() = default;
  ~vtkBorderWindow() override = default;

  void BuildOutput(vtkPolyData* output, const int size[2]) override;
};
