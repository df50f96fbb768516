#pragma once
// The number that gives a view's position (mm), in its bottom left corner.
#include "toolkit/vtkLabelWindowSource.h"

class vtkNumberWindow : public vtkLabelWindowSource {
public:
  static vtkNumberWindow* New();
  vtkTypeMacro(vtkNumberWindow, vtkLabelWindowSource);

  vtkActor2D* GetNumberActor() const { return this->GetLabelActor(0); }
  vtkWin32TextMapper2* GetNumberMapper() const { return this->GetLabelMapper(0); }

  vtkNumberWindow(const vtkNumberWindow&) = delete;
  void operator=(const vtkNumberWindow&) = delete;

protected:
  vtkNumberWindow();
  ~vtkNumberWindow() override = default;
};
