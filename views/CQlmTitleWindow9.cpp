#include "views/CQlmTitleWindow9.h"

#include <new>

#include "toolkit/vtkTitleWindow.h"
#include "toolkit/vtkWin32TextMapper2.h"

CQlmTitleWindow9* CQlmTitleWindow9::New() { return new (std::nothrow) CQlmTitleWindow9(); }

CQlmTitleWindow9::CQlmTitleWindow9() : CQlmTextWindow9([]() -> vtkLabelWindowSource* { return vtkTitleWindow::New(); }) {}

void CQlmTitleWindow9::SetColor(float r, float g, float b) {
  this->SetTextColor(0, CentreCell, r, g, b);
  this->SetTextColor(CentreCell + 1, CellCount, r, g, b);
  this->Color[0] = r;
  this->Color[1] = g;
  this->Color[2] = b;
}

void CQlmTitleWindow9::SetTitle(const char* text) {
  for (int cell = 0; cell < CellCount; ++cell) this->GetTextMapper(cell)->SetInput(text);
}
