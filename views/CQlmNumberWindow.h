#pragma once
// The number that gives a view's position (mm, two decimals). It follows the
// view: as the controller's AxialNumber or PanoramicNumber follower it takes
// the new number whenever the view moves.
#include "views/CQlmPositionListener.h"
#include "views/CQlmTextWindow.h"

class vtkNumberWindow;

class CQlmNumberWindow : public CQlmTextWindow, public CQlmPositionListener {
public:
  // Null when memory runs out.
  static CQlmNumberWindow* New();

  // The text "%.2f" of `number`.
  void SetNumber(float number) override;
  // A box behind the number; the flag is stored.
  void SetBackground(int on);
  int GetBackground() const { return this->Box; }
  void SetBackgroundColor(float r, float g, float b);
  const float* GetBackgroundColor() const { return this->BoxColor; }

  vtkNumberWindow* GetSource() const;
  vtkWin32TextMapper2* GetNumberMapper() const { return this->GetTextMapper(); }

protected:
  explicit CQlmNumberWindow(vtkNumberWindow* source);

private:
  float BoxColor[3] = {1.0f, 1.0f, 1.0f};
  int Box = 0;
};
