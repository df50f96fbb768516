#include "views/CQlm3DWindow9OffScreen.h"

#include <vtkCamera.h>

#include <iterator>
#include <new>
#include <vector>

#include "views/CQlm3DWindow9.h"
#include "views/QlmOffScreenCopy.h"
#include "views/QlmOffScreenWindow.h"

namespace {
constexpr double WholeWindow[4] = {0.0, 0.0, 1.0, 1.0};
}

CQlm3DWindow9OffScreen* CQlm3DWindow9OffScreen::New() { return new (std::nothrow) CQlm3DWindow9OffScreen(); }

CQlm3DWindow9OffScreen::CQlm3DWindow9OffScreen() {
  vtkCamera* camera = this->GetCamera();
  QlmOffScreenWindow::SetUpCamera(camera);
  for (int cell = 0; cell < CellCount; ++cell) {
    vtkRenderer* renderers[4];
    this->GetCellRenderers(cell, renderers);
    double viewport[4];
    CQlm3DWindow9::GetCellViewport(cell, viewport);
    for (int layer = 3; layer >= 0; --layer) {
      vtkRenderer* renderer = renderers[3 - layer];
      renderer->SetLayer(QlmOffScreenWindow::ToolkitLayer(layer));
      renderer->SetActiveCamera(camera);
      renderer->SetViewport(viewport);
    }
  }
}

CQlm3DWindow9OffScreen::~CQlm3DWindow9OffScreen() {
  for (int cell = 0; cell < CellCount; ++cell) {
    vtkRenderer* renderers[4];
    this->GetCellRenderers(cell, renderers);
    for (vtkRenderer* renderer : renderers) QlmOffScreenCopy::DropProps(renderer);
  }
}

void CQlm3DWindow9OffScreen::GetCellRenderers(int cell, vtkRenderer* renderers[4]) const {
  renderers[0] = this->Renderer3[cell];
  renderers[1] = this->Renderer2[cell];
  renderers[2] = this->Renderer1[cell];
  renderers[3] = this->Renderer0[cell];
}

vtkRenderer* CQlm3DWindow9OffScreen::GetCellLayerRenderer(int cell, int layer) const {
  if (cell < 0 || cell >= CellCount || layer < 0 || layer > 3) return nullptr;
  vtkRenderer* renderers[4];
  this->GetCellRenderers(cell, renderers);
  return renderers[3 - layer];
}

void CQlm3DWindow9OffScreen::SetCellViewport(int cell, const double viewport[4]) {
  vtkRenderer* renderers[4];
  this->GetCellRenderers(cell, renderers);
  for (vtkRenderer* renderer : renderers) renderer->SetViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
}

void CQlm3DWindow9OffScreen::SetSingleCell(int on) {
  on = on ? 1 : 0;
  if (on == this->SingleCell) return;
  this->SingleCell = on;
  double viewport[4];
  CQlm3DWindow9::GetCellViewport(CentreCell, viewport);
  this->SetCellViewport(CentreCell, on ? WholeWindow : viewport);
}

void CQlm3DWindow9OffScreen::CopyFromWindow(CQlm3DWindow9* source) {
  this->SourceWindow = source;
  if (!source) return;
  const float* background = source->GetBackground();
  for (int i = 0; i < 3; ++i) this->Background[i] = background[i];
  for (int cell = 0; cell < CellCount; ++cell) {
    this->Renderer3[cell]->SetBackground(background[0], background[1], background[2]);
  }
  const int* size = source->RenderWindow->GetSize();
  this->Size[0] = size[0];
  this->Size[1] = size[1];
  vtkCamera* camera = this->GetCamera();
  QlmOffScreenCopy::CopyCamera(source->Renderer3[CentreCell]->GetActiveCamera(), camera);
  this->SetSingleCell(source->GetSingleCell());
  for (int cell = 0; cell < CellCount; ++cell) {
    for (int layer = 3; layer >= 0; --layer) {
      QlmOffScreenCopy::ShareProps(source->GetCellLayerRenderer(cell, layer), this->GetCellLayerRenderer(cell, layer),
                                   camera);
    }
  }
}

float CQlm3DWindow9OffScreen::Resolution() const {
  return this->Resample ? this->RenderResolution : this->OutputResolution;
}

float CQlm3DWindow9OffScreen::HeightsPerScale() const { return this->SingleCell ? 2.0f : 6.0f; }

void CQlm3DWindow9OffScreen::SetSizeMM(int w, int h) {
  this->Size[0] = QlmOffScreenCopy::ToPixels(static_cast<float>(w), this->Resolution());
  this->Size[1] = QlmOffScreenCopy::ToPixels(static_cast<float>(h), this->Resolution());
  this->GetCamera()->SetParallelScale(this->SingleCell ? h * 0.5 : h / 6.0);
}

void CQlm3DWindow9OffScreen::SetTrueScale() {
  const int oldWidth = this->Size[0];
  const int oldHeight = this->Size[1];
  const float scale = static_cast<float>(this->GetCamera()->GetParallelScale());
  this->Size[1] = static_cast<int>(this->HeightsPerScale() * scale * this->Resolution() *
                                   QlmOffScreenCopy::PixelsPerMMPerDPI);
  this->Size[0] = oldHeight > 0 ? static_cast<int>(static_cast<float>(this->Size[1]) * oldWidth / oldHeight) : 0;
}

void CQlm3DWindow9OffScreen::SetViewExtent(int w, int h) {
  if (w <= 0 || h <= 0) {
    this->Size[0] = this->Size[1] = 0;
    return;
  }
  this->GetCamera()->SetParallelScale(this->SingleCell ? h * 0.5 : h / 6.0);
  this->Size[0] = static_cast<int>(static_cast<float>(w) / static_cast<float>(h) * this->Size[1]);
}

bool CQlm3DWindow9OffScreen::Render() {
  vtkRenderWindow* source = this->SourceWindow ? this->SourceWindow->RenderWindow.GetPointer() : nullptr;
  const int enabled = this->SourceWindow ? this->SourceWindow->Enabled : 0;
  const float ratio = this->OutputResolution / this->RenderResolution;
  std::vector<vtkRenderer*> renderers;
  for (int cell = 0; cell < CellCount; ++cell) {
    if (this->SingleCell && cell != CentreCell) continue;
    vtkRenderer* cellRenderers[4];
    this->GetCellRenderers(cell, cellRenderers);
    renderers.insert(renderers.end(), std::begin(cellRenderers), std::end(cellRenderers));
  }
  return QlmOffScreenCopy::RenderCopy(source, enabled, renderers, this->Size, this->Resample, ratio, this->Picture,
                                      this->Image);
}
