#include "views/CQlm3DWindowOffScreen.h"

#include <vtkCamera.h>

#include <new>
#include <vector>

#include "views/CQlm3DWindow.h"
#include "views/QlmOffScreenCopy.h"
#include "views/QlmOffScreenWindow.h"

CQlm3DWindowOffScreen* CQlm3DWindowOffScreen::New() { return new (std::nothrow) CQlm3DWindowOffScreen(); }

CQlm3DWindowOffScreen::CQlm3DWindowOffScreen() {
  vtkCamera* camera = this->Renderer3->GetActiveCamera();
  QlmOffScreenWindow::SetUpCamera(camera);
  vtkRenderer* layers[4] = {this->Renderer3, this->Renderer2, this->Renderer1, this->Renderer0};
  for (int layer = 3; layer >= 0; --layer) {
    vtkRenderer* renderer = layers[3 - layer];
    renderer->SetLayer(QlmOffScreenWindow::ToolkitLayer(layer));
    renderer->SetActiveCamera(camera);
  }
  this->Image->SetSpacing(1, 1, 1);
  this->Image->SetOrigin(0, 0, 0);
}

CQlm3DWindowOffScreen::~CQlm3DWindowOffScreen() {
  for (int layer = 0; layer < 4; ++layer) QlmOffScreenCopy::DropProps(this->GetLayerRenderer(layer));
}

vtkRenderer* CQlm3DWindowOffScreen::GetLayerRenderer(int layer) const {
  switch (layer) {
    case 0: return this->Renderer0;
    case 1: return this->Renderer1;
    case 2: return this->Renderer2;
    case 3: return this->Renderer3;
    default: return nullptr;
  }
}

void CQlm3DWindowOffScreen::CopyFromWindow(CQlm3DWindow* source) {
  this->SourceWindow = source;
  if (!source) return;
  const float* background = source->GetBackground();
  for (int i = 0; i < 3; ++i) this->Background[i] = background[i];
  this->Renderer3->SetBackground(background[0], background[1], background[2]);
  const int* size = source->RenderWindow->GetSize();
  this->Size[0] = size[0];
  this->Size[1] = size[1];
  vtkCamera* camera = this->GetCamera();
  QlmOffScreenCopy::CopyCamera(source->Renderer3->GetActiveCamera(), camera);
  for (int layer = 3; layer >= 0; --layer) {
    QlmOffScreenCopy::ShareProps(source->GetLayerRenderer(layer), this->GetLayerRenderer(layer), camera);
  }
}

float CQlm3DWindowOffScreen::Resolution() const {
  return this->Resample ? this->RenderResolution : this->OutputResolution;
}

void CQlm3DWindowOffScreen::SetSizeMM(int w, int h) {
  this->Size[0] = QlmOffScreenCopy::ToPixels(static_cast<float>(w), this->Resolution());
  this->Size[1] = QlmOffScreenCopy::ToPixels(static_cast<float>(h), this->Resolution());
  this->GetCamera()->SetParallelScale(h * 0.5);
}

void CQlm3DWindowOffScreen::SetTrueScale() {
  const int oldWidth = this->Size[0];
  const int oldHeight = this->Size[1];
  const float scale = static_cast<float>(this->GetCamera()->GetParallelScale());
  this->Size[1] = static_cast<int>(2.0f * scale * this->Resolution() * QlmOffScreenCopy::PixelsPerMMPerDPI);
  this->Size[0] = oldHeight > 0 ? static_cast<int>(static_cast<float>(this->Size[1]) * oldWidth / oldHeight) : 0;
}

void CQlm3DWindowOffScreen::SetViewExtent(int w, int h) {
  if (w <= 0 || h <= 0) {
    this->Size[0] = this->Size[1] = 0;
    return;
  }
  this->GetCamera()->SetParallelScale(h / 2);
  const float proportion = static_cast<float>(w) / static_cast<float>(h);
  if (this->Size[1] > this->Size[0]) {
    this->Size[0] = static_cast<int>(proportion * this->Size[1]);
  } else {
    this->Size[1] = static_cast<int>(this->Size[0] / proportion);
  }
}

void CQlm3DWindowOffScreen::SetOutputSize(int w, int h) {
  if (w <= 0 || h <= 0) {
    this->Size[0] = this->Size[1] = 0;
    return;
  }
  const float proportion = static_cast<float>(w) / static_cast<float>(h);
  if (h > w) {
    this->Size[0] = static_cast<int>(proportion * this->Size[1]);
    return;
  }
  // Landscape: the width stays and so does what the view shows across; the
  // parallel scale (half the height shown) follows the new height.
  const int oldHeight = this->Size[1];
  this->Size[1] = static_cast<int>(this->Size[0] / proportion);
  if (oldHeight > 0) {
    vtkCamera* camera = this->GetCamera();
    camera->SetParallelScale(camera->GetParallelScale() * this->Size[1] / oldHeight);
  }
}

void CQlm3DWindowOffScreen::SetScaleFactor(float f) {
  if (this->Resample) {
    this->OutputResolution = this->RenderResolution * f;
    return;
  }
  this->Size[0] = static_cast<int>(this->Size[0] * f);
  this->Size[1] = static_cast<int>(this->Size[1] * f);
}

bool CQlm3DWindowOffScreen::Render() {
  vtkRenderWindow* source = this->SourceWindow ? this->SourceWindow->RenderWindow.GetPointer() : nullptr;
  const int enabled = this->SourceWindow ? this->SourceWindow->Enabled : 0;
  const float ratio = this->OutputResolution / this->RenderResolution;
  const std::vector<vtkRenderer*> renderers = {this->Renderer3, this->Renderer2, this->Renderer1, this->Renderer0};
  return QlmOffScreenCopy::RenderCopy(source, enabled, renderers, this->Size, this->Resample, ratio, this->Picture,
                                      this->Image);
}
