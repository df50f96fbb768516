#include "views/CQlmTextWindow9.h"

#include <vtkActor2D.h>
#include <vtkProperty2D.h>

#include "toolkit/vtkLabelWindowSource.h"
#include "toolkit/vtkWin32TextMapper2.h"

namespace {
std::vector<vtkSmartPointer<vtkLabelWindowSource>> MakeSources(vtkLabelWindowSource* (*create)()) {
  std::vector<vtkSmartPointer<vtkLabelWindowSource>> sources;
  for (int cell = 0; cell < CQlmLabelOverlay9::CellCount; ++cell) sources.push_back(vtkSmartPointer<vtkLabelWindowSource>::Take(create()));
  return sources;
}
}  // namespace

CQlmTextWindow9::CQlmTextWindow9(vtkLabelWindowSource* (*create)())
    : CQlmLabelOverlay9(
          MakeSources(create),
          [](vtkLabelWindowSource* source) { return std::vector<vtkActor2D*>{source->GetLabelActor(0)}; },
          [](vtkLabelWindowSource* source) { return std::vector<vtkWin32TextMapper2*>{source->GetLabelMapper(0)}; }) {}

void CQlmTextWindow9::SetVisibility(int on) {
  for (int cell = 0; cell < CellCount; ++cell) this->GetTextActor(cell)->SetVisibility(on);
  this->Visible = on;
}

void CQlmTextWindow9::SetTextColor(int first, int last, float r, float g, float b) {
  for (int cell = first; cell < last; ++cell) this->GetTextActor(cell)->GetProperty()->SetColor(r, g, b);
}

void CQlmTextWindow9::SetCenterColor(float r, float g, float b) {
  this->SetTextColor(CentreCell, CentreCell + 1, r, g, b);
  this->CenterColor[0] = r;
  this->CenterColor[1] = g;
  this->CenterColor[2] = b;
}
