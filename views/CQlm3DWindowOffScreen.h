#pragma once
// Temporary off-screen twin of a one-view render-window wrapper, for screen
// captures and printed pages.
//
// CopyFromWindow takes over the live wrapper's actors (shared, not
// duplicated), its camera, size and background; a sizing operation chooses
// the pixel size and the framing; Render draws the picture and leaves it in
// Image (RGB, bottom row first, as the toolkit's image writers take it) and in
// GetPicture (top row first, for a page painter). Overlays measure the copy
// through its layer renderers while it renders (CQlmViewOverlays::Redirect).
// The copy has no render window of its own: Render lends its renderers to
// the live wrapper's window for one frame, so the shared actors draw in the
// graphics context that already holds their textures and buffers. The live
// picture is not redrawn or changed; deleting the copy lets go of the shared
// actors. Millimetres become pixels as mm x resolution x 0.039368,
// truncated, at the render resolution when Resample is set, else at the
// output resolution.
#include <vtkNew.h>
#include <vtkImageData.h>
#include <vtkRenderer.h>

#include <QImage>

#include "ct/CQlmLayeredWindow.h"

class CQlm3DWindow;

class CQlm3DWindowOffScreen : public CQlmLayeredWindow {
public:
  static CQlm3DWindowOffScreen* New();
  ~CQlm3DWindowOffScreen() override;
  CQlm3DWindowOffScreen(const CQlm3DWindowOffScreen&) = delete;
  CQlm3DWindowOffScreen& operator=(const CQlm3DWindowOffScreen&) = delete;

  // Background, size, camera and the actors of every layer of `source` (not owned).
  void CopyFromWindow(CQlm3DWindow* source);

  // w x h mm of the world on w x h mm of picture (parallel scale h / 2).
  void SetSizeMM(int w, int h);
  // Keeps the zoom; the picture becomes life-size, height 2 x parallel scale mm.
  void SetTrueScale();
  // Shows h mm from top to bottom (parallel scale h / 2, integer halving) in
  // the proportion w : h, keeping the larger side of the pixel size.
  void SetViewExtent(int w, int h);
  // The proportion w : h; what the view shows across is kept (a portrait
  // output keeps the height, a landscape one the width).
  void SetOutputSize(int w, int h);
  // Resample set: output resolution := render resolution x f; else the pixel size x f.
  void SetScaleFactor(float f);

  // Renders, enlarges by output / render resolution when Resample is set and
  // reads the picture back. False, with Image and the picture empty, when
  // there is no source, the source is disabled, or the size is empty or more
  // than the render window can hold.
  bool Render();

  // Top row first; null until a Render succeeded.
  const QImage& GetPicture() const { return this->Picture; }
  int GetWidth() const { return this->Size[0]; }
  int GetHeight() const { return this->Size[1]; }
  vtkCamera* GetCamera() const { return this->Renderer3->GetActiveCamera(); }
  CQlm3DWindow* GetSourceWindow() const { return this->SourceWindow; }

  vtkRenderer* GetLayerRenderer(int layer) const override;

  vtkNew<vtkRenderer> Renderer3;  // bottom layer; its camera is shared
  vtkNew<vtkRenderer> Renderer2;
  vtkNew<vtkRenderer> Renderer1;
  vtkNew<vtkRenderer> Renderer0;  // top layer
  float Background[3] = {0.0f, 0.0f, 0.0f};
  // Dots per inch of the picture.
  float OutputResolution = 150.0f;
  // Dots per inch rendered when Resample is set.
  float RenderResolution = 100.0f;
  // 1: render at the render resolution and enlarge to the output resolution.
  int Resample = 0;
  // The picture of the last successful Render; RGB, rows bottom first.
  vtkNew<vtkImageData> Image;

protected:
  CQlm3DWindowOffScreen();

private:
  // Dots per inch that millimetres are counted in.
  float Resolution() const;

  CQlm3DWindow* SourceWindow = nullptr;
  int Size[2] = {0, 0};
  QImage Picture;
};
