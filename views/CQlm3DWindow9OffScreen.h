#pragma once
// Temporary off-screen twin of the 3x3 cross-section wrapper, for screen
// captures and printed pages: as CQlm3DWindowOffScreen, cell by cell, in the
// live 3x3 wrapper's window. In single-cell mode only cell 4 is rendered and
// fills the picture.
#include <vtkNew.h>
#include <vtkImageData.h>
#include <vtkRenderer.h>

#include <QImage>

#include "ct/CQlmLayeredWindow9.h"

class CQlm3DWindow9;

class CQlm3DWindow9OffScreen : public CQlmLayeredWindow9 {
public:
  static constexpr int CellCount = 9;
  static constexpr int CentreCell = 4;

  static CQlm3DWindow9OffScreen* New();
  ~CQlm3DWindow9OffScreen() override;
  CQlm3DWindow9OffScreen(const CQlm3DWindow9OffScreen&) = delete;
  CQlm3DWindow9OffScreen& operator=(const CQlm3DWindow9OffScreen&) = delete;

  // Background, size, camera, single-cell mode and the actors of every cell and layer of `source` (not owned).
  void CopyFromWindow(CQlm3DWindow9* source);

  // 1: only cell 4, over the whole picture; 0: the 3x3 grid.
  void SetSingleCell(int on);
  int GetSingleCell() const { return this->SingleCell; }

  // w x h mm of picture showing h mm of the world from top to bottom (of the
  // centre cell in single-cell mode, of the three rows otherwise).
  void SetSizeMM(int w, int h);
  // Keeps the zoom; the picture becomes life-size.
  void SetTrueScale();
  // Shows h mm from top to bottom in the proportion w : h, height kept.
  void SetViewExtent(int w, int h);

  // As CQlm3DWindowOffScreen::Render.
  bool Render();

  const QImage& GetPicture() const { return this->Picture; }
  int GetWidth() const { return this->Size[0]; }
  int GetHeight() const { return this->Size[1]; }
  vtkCamera* GetCamera() const { return this->Renderer3[CentreCell]->GetActiveCamera(); }

  vtkRenderer* GetCellLayerRenderer(int cell, int layer) const override;

  // Index = cell.
  vtkNew<vtkRenderer> Renderer3[CellCount];
  vtkNew<vtkRenderer> Renderer2[CellCount];
  vtkNew<vtkRenderer> Renderer0[CellCount];
  vtkNew<vtkRenderer> Renderer1[CellCount];
  float Background[3] = {0.0f, 0.0f, 0.0f};
  float OutputResolution = 150.0f;
  float RenderResolution = 100.0f;
  int Resample = 0;
  vtkNew<vtkImageData> Image;

protected:
  CQlm3DWindow9OffScreen();

private:
  void GetCellRenderers(int cell, vtkRenderer* renderers[4]) const;
  void SetCellViewport(int cell, const double viewport[4]);
  float Resolution() const;
  // World millimetres from the top to the bottom of the picture per parallel scale.
  float HeightsPerScale() const;

  CQlm3DWindow9* SourceWindow = nullptr;
  int SingleCell = 0;
  int Size[2] = {0, 0};
  QImage Picture;
};
