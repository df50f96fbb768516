#include "views/CQlmOrientWindow9.h"

#include <vtkActor2D.h>
#include <vtkProperty2D.h>

#include <new>

#include "toolkit/vtkOrientWindow.h"
#include "toolkit/vtkWin32TextMapper2.h"

namespace {
std::vector<vtkSmartPointer<vtkLabelWindowSource>> MakeSources() {
  std::vector<vtkSmartPointer<vtkLabelWindowSource>> sources;
  for (int cell = 0; cell < CQlmLabelOverlay9::CellCount; ++cell) {
    sources.push_back(vtkSmartPointer<vtkOrientWindow>::New());
  }
  return sources;
}

// The letters in CQlmOrientWindow::Letter order.
std::vector<vtkActor2D*> Letters(vtkLabelWindowSource* source) {
  auto* orient = static_cast<vtkOrientWindow*>(source);
  return {orient->GetTopActor(), orient->GetBottomActor(), orient->GetLeftActor(), orient->GetRightActor()};
}

std::vector<vtkWin32TextMapper2*> LetterMappers(vtkLabelWindowSource* source) {
  auto* orient = static_cast<vtkOrientWindow*>(source);
  return {orient->GetTopMapper(), orient->GetBottomMapper(), orient->GetLeftMapper(), orient->GetRightMapper()};
}
}  // namespace

CQlmOrientWindow9* CQlmOrientWindow9::New() { return new (std::nothrow) CQlmOrientWindow9(); }

CQlmOrientWindow9::CQlmOrientWindow9() : CQlmLabelOverlay9(MakeSources(), &Letters, &LetterMappers) {
  this->SetVisibility(1);
  this->SetColor(1, 1, 1);
}

void CQlmOrientWindow9::SetCellColor(int cell, float r, float g, float b) {
  for (vtkActor2D* letter : this->GetTexts(cell)) letter->GetProperty()->SetColor(r, g, b);
}

void CQlmOrientWindow9::SetColor(float r, float g, float b) {
  for (int cell = 0; cell < CellCount; ++cell) this->SetCellColor(cell, r, g, b);
  this->Color[0] = r;
  this->Color[1] = g;
  this->Color[2] = b;
}

void CQlmOrientWindow9::SetCenterColor(float r, float g, float b) {
  this->SetCellColor(CentreCell, r, g, b);
  this->CenterColor[0] = r;
  this->CenterColor[1] = g;
  this->CenterColor[2] = b;
}

void CQlmOrientWindow9::SetVisibility(int on) {
  this->Visible = on;
  for (int cell = 0; cell < CellCount; ++cell) {
    for (int letter = 0; letter < CQlmOrientWindow::LetterCount; ++letter) {
      this->GetTexts(cell)[letter]->SetVisibility(on && this->Show[letter]);
    }
  }
}

void CQlmOrientWindow9::SetShow(Letter letter, int on) {
  for (int cell = 0; cell < CellCount; ++cell) this->GetTexts(cell)[letter]->SetVisibility(on && this->Visible);
  this->Show[letter] = on;
}

void CQlmOrientWindow9::SetBackgroundColor(float r, float g, float b) {
  this->CQlmLabelOverlay9::SetBackgroundColor(r, g, b);
  this->BoxColor[0] = r;
  this->BoxColor[1] = g;
  this->BoxColor[2] = b;
}

void CQlmOrientWindow9::SetLetterText(Letter letter, const char* text) {
  for (int cell = 0; cell < CellCount; ++cell) this->GetMappers(cell)[letter]->SetInput(text);
}
