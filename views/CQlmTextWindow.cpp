#include "views/CQlmTextWindow.h"

#include <vtkActor2D.h>
#include <vtkProperty2D.h>

CQlmTextWindow::CQlmTextWindow(vtkLabelWindowSource* source, vtkActor2D* text, vtkWin32TextMapper2* mapper)
    : CQlmLabelOverlay(source, {text}), TextActor(text), TextMapper(mapper) {}

void CQlmTextWindow::SetColor(float r, float g, float b) {
  this->TextActor->GetProperty()->SetColor(r, g, b);
  this->Color[0] = r;
  this->Color[1] = g;
  this->Color[2] = b;
}

void CQlmTextWindow::SetVisibility(int on) {
  this->TextActor->SetVisibility(on);
  this->Visible = on;
}
