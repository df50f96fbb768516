#include "views/CQlm3DWindow9.h"

#include <vtkCamera.h>

#include <new>

#include "views/QlmOffScreenWindow.h"

namespace {
// Single-precision fractions, not exact thirds.
constexpr double OneThird = 0.33333f;
constexpr double TwoThirds = 0.66666f;
constexpr double Edges[4] = {0.0, OneThird, TwoThirds, 1.0};
constexpr double WholeWindow[4] = {0.0, 0.0, 1.0, 1.0};
}  // namespace

CQlm3DWindow9* CQlm3DWindow9::New(int mode) { return new (std::nothrow) CQlm3DWindow9(mode); }

CQlm3DWindow9::CQlm3DWindow9(int mode) : Mode(mode), Picture(RenderWindow, Enabled) {
  QlmOffScreenWindow::SetUp(this->RenderWindow);
  vtkCamera* camera = this->Renderer3[CentreCell]->GetActiveCamera();
  QlmOffScreenWindow::SetUpCamera(camera);
  for (int cell = 0; cell < CellCount; ++cell) {
    vtkRenderer* renderers[4];
    this->GetCellRenderers(cell, renderers);
    double viewport[4];
    GetCellViewport(cell, viewport);
    for (int layer = 3; layer >= 0; --layer) {
      vtkRenderer* renderer = renderers[3 - layer];
      renderer->SetLayer(QlmOffScreenWindow::ToolkitLayer(layer));
      renderer->SetActiveCamera(camera);
      renderer->SetViewport(viewport);
    }
    this->AddCell(cell);
  }
}

CQlm3DWindow9::~CQlm3DWindow9() = default;

void CQlm3DWindow9::GetCellViewport(int cell, double viewport[4]) {
  const int row = cell / 3;
  const int column = cell % 3;
  viewport[0] = Edges[column];
  viewport[1] = Edges[2 - row];
  viewport[2] = Edges[column + 1];
  viewport[3] = Edges[3 - row];
}

void CQlm3DWindow9::GetCellRenderers(int cell, vtkRenderer* renderers[4]) {
  renderers[0] = this->Renderer3[cell];
  renderers[1] = this->Renderer2[cell];
  renderers[2] = this->Renderer1[cell];
  renderers[3] = this->Renderer0[cell];
}

void CQlm3DWindow9::AddCell(int cell) {
  vtkRenderer* renderers[4];
  this->GetCellRenderers(cell, renderers);
  for (vtkRenderer* renderer : renderers) this->RenderWindow->AddRenderer(renderer);
}

void CQlm3DWindow9::RemoveCell(int cell) {
  vtkRenderer* renderers[4];
  this->GetCellRenderers(cell, renderers);
  for (vtkRenderer* renderer : renderers) this->RenderWindow->RemoveRenderer(renderer);
}

void CQlm3DWindow9::SetCellViewport(int cell, const double viewport[4]) {
  vtkRenderer* renderers[4];
  this->GetCellRenderers(cell, renderers);
  for (vtkRenderer* renderer : renderers) renderer->SetViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
}

void CQlm3DWindow9::SetSingleCell(int on) {
  on = on ? 1 : 0;
  if (on == this->SingleCell) return;
  this->SingleCell = on;
  for (int cell = 0; cell < CellCount; ++cell) {
    if (cell == CentreCell) continue;
    if (on) {
      this->RemoveCell(cell);
    } else {
      this->AddCell(cell);
    }
  }
  double viewport[4];
  GetCellViewport(CentreCell, viewport);
  this->SetCellViewport(CentreCell, on ? WholeWindow : viewport);
}

void CQlm3DWindow9::Render() { this->Picture.Render(); }

vtkRenderer* CQlm3DWindow9::GetCellLayerRenderer(int cell, int layer) const {
  if (cell < 0 || cell >= CellCount) return nullptr;
  switch (layer) {
    case 0: return this->Renderer0[cell];
    case 1: return this->Renderer1[cell];
    case 2: return this->Renderer2[cell];
    case 3: return this->Renderer3[cell];
    default: return nullptr;
  }
}
