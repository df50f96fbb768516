#include "views/CQlmNumberWindow9.h"

#include <new>

#include "platform/CString.h"
#include "toolkit/vtkNumberWindow.h"
#include "toolkit/vtkWin32TextMapper2.h"

CQlmNumberWindow9* CQlmNumberWindow9::New() { return new (std::nothrow) CQlmNumberWindow9(); }

CQlmNumberWindow9::CQlmNumberWindow9()
    : CQlmTextWindow9([]() -> vtkLabelWindowSource* { return vtkNumberWindow::New(); }) {}

void CQlmNumberWindow9::SetColor(float r, float g, float b) {
  this->SetTextColor(0, CellCount, r, g, b);
  this->Color[0] = r;
  this->Color[1] = g;
  this->Color[2] = b;
}

void CQlmNumberWindow9::SetNumbers(const float* numbers) {
  for (int cell = 0; cell < CellCount; ++cell) {
    this->GetTextMapper(cell)->SetInput(CString::Formatted("%.2f", numbers[cell]).c_str());
  }
}

void CQlmNumberWindow9::SetBackground(int on) {
  this->CQlmLabelOverlay9::SetBackground(on);
  this->Box = on;
}

void CQlmNumberWindow9::SetBackgroundColor(float r, float g, float b) {
  this->CQlmLabelOverlay9::SetBackgroundColor(r, g, b);
  this->BoxColor[0] = r;
  this->BoxColor[1] = g;
  this->BoxColor[2] = b;
}
