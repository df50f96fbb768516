#pragma once
// Render-window wrapper of the cross-section view: one off-screen render
// window showing nine cells in a 3x3 grid, four layer renderers per cell.
//
// Cell i lies in row i / 3 from the top and column i % 3 from the left; cell
// 4 is the centre. All 36 renderers share the camera of cell 4's layer-3
// renderer, so panning and zooming move the nine cells alike; each cell shows
// what its owners add to that cell's renderers. Layers stack as in
// CQlm3DWindow. In single-cell mode only cell 4 remains and fills the window.
#include <vtkNew.h>
#include <vtkRenderWindow.h>
#include <vtkRenderer.h>

#include "ct/CQlmLayeredWindow9.h"
#include "views/CQlmHostPicture.h"

class QWidget;

class CQlm3DWindow9 : public CQlmLayeredWindow9 {
public:
  static constexpr int CellCount = 9;
  static constexpr int CentreCell = 4;

  // `mode` 2: off-screen rendering copied into the host, the one mode there is.
  static CQlm3DWindow9* New(int mode);
  ~CQlm3DWindow9() override;
  CQlm3DWindow9(const CQlm3DWindow9&) = delete;
  CQlm3DWindow9& operator=(const CQlm3DWindow9&) = delete;

  // As CQlm3DWindow::Render.
  void Render();

  // 1: only cell 4, over the whole window; 0: the 3x3 grid (the default).
  void SetSingleCell(int on);
  int GetSingleCell() const { return this->SingleCell; }

  // The widget that shows the picture; not owned. Set before the first Render.
  void SetHostWindow(QWidget* host) { this->Picture.SetHost(host); }
  QWidget* GetHostWindow() const { return this->Picture.GetHost(); }

  int GetMode() const { return this->Mode; }

  vtkRenderer* GetCellLayerRenderer(int cell, int layer) const override;
  const float* GetBackground() const { return this->Background; }

  // The last picture shown in the host (RGB888, the client size).
  const QImage& GetImage() const { return this->Picture.GetImage(); }

  // The cell's viewport in the 3x3 grid: xmin, ymin, xmax, ymax.
  static void GetCellViewport(int cell, double viewport[4]);

  vtkNew<vtkRenderWindow> RenderWindow;
  // Index = cell. Layer 3 is the bottom layer; cell 4's layer-3 camera is shared.
  vtkNew<vtkRenderer> Renderer3[CellCount];
  vtkNew<vtkRenderer> Renderer2[CellCount];
  vtkNew<vtkRenderer> Renderer1[CellCount];
  vtkNew<vtkRenderer> Renderer0[CellCount];

  // 1 renders; 0 shows grey. Owners write it.
  int Enabled = 1;

protected:
  explicit CQlm3DWindow9(int mode);

private:
  // The cell's four renderers, bottom layer first.
  void GetCellRenderers(int cell, vtkRenderer* renderers[4]);
  void AddCell(int cell);
  void RemoveCell(int cell);
  void SetCellViewport(int cell, const double viewport[4]);

  float Background[3] = {0.0f, 0.0f, 0.0f};
  int SingleCell = 0;
  int Mode;
  CQlmHostPicture Picture;
};
