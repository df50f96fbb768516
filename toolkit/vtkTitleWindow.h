#pragma once
// A view's title in its top left corner.
#include "toolkit/vtkLabelWindowSource.h"

class vtkTitleWindow : public vtkLabelWindowSource {
public:
  static vtkTitleWindow* New();
  vtkTypeMacro(vtkTitleWindow, vtkLabelWindowSource);

  vtkActor2D* GetTitleActor() const { return this->GetLabelActor(0); }
  vtkWin32TextMapper2* GetTitleMapper() const { return this->GetLabelMapper(0); }

  vtkTitleWindow(const vtkTitleWindow&) = delete;
  void operator=(const vtkTitleWindow&) = delete;

protected:
  vtkTitleWindow();
  ~vtkTitleWindow() override = default;
};
