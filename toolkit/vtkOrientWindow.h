#pragma once
// A view's orientation letters, one at the middle of each edge.
#include "toolkit/vtkLabelWindowSource.h"

class vtkOrientWindow : public vtkLabelWindowSource {
public:
  static vtkOrientWindow* New();
  vtkTypeMacro(vtkOrientWindow, vtkLabelWindowSource);

  vtkActor2D* GetTopActor() const { return this->GetLabelActor(Top); }
  vtkActor2D* GetBottomActor() const { return this->GetLabelActor(Bottom); }
  vtkActor2D* GetLeftActor() const { return this->GetLabelActor(Left); }
  vtkActor2D* GetRightActor() const { return this->GetLabelActor(Right); }
  vtkWin32TextMapper2* GetTopMapper() const { return this->GetLabelMapper(Top); }
  vtkWin32TextMapper2* GetBottomMapper() const { return this->GetLabelMapper(Bottom); }
  vtkWin32TextMapper2* GetLeftMapper() const { return this->GetLabelMapper(Left); }
  vtkWin32TextMapper2* GetRightMapper() const { return this->GetLabelMapper(Right); }

  vtkOrientWindow(const vtkOrientWindow&) = delete;
  void operator=(const vtkOrientWindow&) = delete;

protected:
  vtkOrientWindow();
  ~vtkOrientWindow() override = default;

private:
  enum Edge { Top, Bottom, Left, Right };
};
