#pragma once
// A view's title. The controller writes the text to GetTitleMapper()->SetInput.
#include "views/CQlmTextWindow.h"

class vtkTitleWindow;

class CQlmTitleWindow : public CQlmTextWindow {
public:
  // Null when memory runs out.
  static CQlmTitleWindow* New();

  vtkTitleWindow* GetSource() const;
  vtkWin32TextMapper2* GetTitleMapper() const { return this->GetTextMapper(); }

protected:
  explicit CQlmTitleWindow(vtkTitleWindow* source);
};
