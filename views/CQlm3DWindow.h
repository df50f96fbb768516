#pragma once
// Render-window wrapper of one view (axial, panoramic, 3D, library previews).
//
// Owns an off-screen render window with four layer renderers that share the
// layer-3 renderer's camera (parallel projection, parallel scale 60 mm). Layer
// 3 is the bottom one: it alone clears to the background; layers 2, 1 and 0
// are drawn over it in that order, each with a fresh depth test, so layer 0
// lies on top of everything. Owners add their actors to the layer renderers
// directly and call Render after every change; the wrapper adds nothing.
//
// Render draws the picture at the host widget's client size and shows it
// there (see CQlmHostPicture). A disabled wrapper shows a grey picture.
#include <vtkNew.h>
#include <vtkRenderWindow.h>
#include <vtkRenderer.h>

#include "ct/CQlmLayeredWindow.h"
#include "views/CQlmHostPicture.h"
#include "views/vtkObserverRender3DEnd.h"
#include "views/vtkObserverRender3DStart.h"

class QWidget;

class CQlm3DWindow : public CQlmLayeredWindow {
public:
  // `mode` 2: off-screen rendering copied into the host, the one mode there is.
  static CQlm3DWindow* New(int mode);
  ~CQlm3DWindow() override;
  CQlm3DWindow(const CQlm3DWindow&) = delete;
  CQlm3DWindow& operator=(const CQlm3DWindow&) = delete;

  // Renders off screen at the host's client size and schedules the copy into
  // the host. Disabled: the grey picture instead, nothing rendered. Without a
  // host or with an empty client area: nothing.
  void Render();

  // Background colour of layer 3 (0 to 1 each); default black.
  void SetBackground(float r, float g, float b);
  const float* GetBackground() const { return this->Background; }

  // The widget that shows the picture; not owned. Set before the first Render.
  void SetHostWindow(QWidget* host) { this->Picture.SetHost(host); }
  QWidget* GetHostWindow() const { return this->Picture.GetHost(); }

  int GetMode() const { return this->Mode; }

  vtkRenderer* GetLayerRenderer(int layer) const override;

  // The last picture shown in the host (RGB888, the client size).
  const QImage& GetImage() const { return this->Picture.GetImage(); }

  vtkNew<vtkRenderWindow> RenderWindow;
  vtkNew<vtkRenderer> Renderer3;  // bottom layer; its camera is shared
  vtkNew<vtkRenderer> Renderer2;
  vtkNew<vtkRenderer> Renderer1;
  vtkNew<vtkRenderer> Renderer0;  // top layer

  // 1 renders; 0 shows grey (no project, or a view switched off). Owners write it.
  int Enabled = 1;

  // Status texts while layer 3 renders; their targets are null until the owner sets them.
  vtkNew<vtkObserverRender3DStart> StartObserver;
  vtkNew<vtkObserverRender3DEnd> EndObserver;

protected:
  explicit CQlm3DWindow(int mode);

private:
  float Background[3] = {0.0f, 0.0f, 0.0f};
  int Mode;
  CQlmHostPicture Picture;
};
