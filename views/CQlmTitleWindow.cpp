#include "views/CQlmTitleWindow.h"

#include <new>

#include "toolkit/vtkTitleWindow.h"

CQlmTitleWindow* CQlmTitleWindow::New() {
  vtkTitleWindow* source = vtkTitleWindow::New();
  auto* window = new (std::nothrow) CQlmTitleWindow(source);
  if (!window) source->Delete();
  return window;
}

CQlmTitleWindow::CQlmTitleWindow(vtkTitleWindow* source)
    : CQlmTextWindow(source, source->GetTitleActor(), source->GetTitleMapper()) {}

vtkTitleWindow* CQlmTitleWindow::GetSource() const { return static_cast<vtkTitleWindow*>(this->Source); }
