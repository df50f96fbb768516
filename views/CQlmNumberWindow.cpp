#include "views/CQlmNumberWindow.h"

#include <new>

#include "platform/CString.h"
#include "toolkit/vtkNumberWindow.h"
#include "toolkit/vtkWin32TextMapper2.h"

CQlmNumberWindow* CQlmNumberWindow::New() {
  vtkNumberWindow* source = vtkNumberWindow::New();
  auto* window = new (std::nothrow) CQlmNumberWindow(source);
  if (!window) source->Delete();
  return window;
}

CQlmNumberWindow::CQlmNumberWindow(vtkNumberWindow* source)
    : CQlmTextWindow(source, source->GetNumberActor(), source->GetNumberMapper()) {}

vtkNumberWindow* CQlmNumberWindow::GetSource() const { return static_cast<vtkNumberWindow*>(this->Source); }

void CQlmNumberWindow::SetNumber(float number) {
  CString text;
  text.Format("%.2f", number);
  this->GetNumberMapper()->SetInput(text.c_str());
}

void CQlmNumberWindow::SetBackground(int on) {
  this->Box = on;
  this->GetNumberMapper()->SetBackground(on);
}

void CQlmNumberWindow::SetBackgroundColor(float r, float g, float b) {
  this->GetNumberMapper()->SetColorBackground(r, g, b);
  this->BoxColor[0] = r;
  this->BoxColor[1] = g;
  this->BoxColor[2] = b;
}
