#pragma once
// An overlay of the cross-section view with one text per cell (the titles
// or the numbers of the nine sections).
#include "views/CQlmLabelOverlay9.h"

class CQlmTextWindow9 : public CQlmLabelOverlay9 {
public:
  // The nine texts; stored. The frames keep their own visibility.
  void SetVisibility(int on);
  // Cell 4's text; stored as the centre colour.
  void SetCenterColor(float r, float g, float b);
  const float* GetCenterColor() const { return this->CenterColor; }
  const float* GetColor() const { return this->Color; }

  vtkActor2D* GetTextActor(int cell) const { return this->GetTexts(cell).front(); }
  vtkWin32TextMapper2* GetTextMapper(int cell) const { return this->GetMappers(cell).front(); }

protected:
  // Nine sources of one text each, made by `create`.
  explicit CQlmTextWindow9(vtkLabelWindowSource* (*create)());

  // The text colour of cells first to last - 1.
  void SetTextColor(int first, int last, float r, float g, float b);

  float Color[3] = {1.0f, 1.0f, 1.0f};

private:
  float CenterColor[3] = {1.0f, 1.0f, 1.0f};
};
