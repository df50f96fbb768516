#pragma once
// An overlay with one text (the title or the number of a view): colour and
// visibility act on the text, never on the frame.
#include "views/CQlmLabelOverlay.h"

class vtkWin32TextMapper2;

class CQlmTextWindow : public CQlmLabelOverlay {
public:
  // The text actor's colour; stored.
  void SetColor(float r, float g, float b);
  const float* GetColor() const { return this->Color; }
  // The text actor's visibility; stored. The frame keeps its own.
  void SetVisibility(int on);

  vtkActor2D* GetTextActor() const { return this->TextActor; }
  vtkWin32TextMapper2* GetTextMapper() const { return this->TextMapper; }

protected:
  CQlmTextWindow(vtkLabelWindowSource* source, vtkActor2D* text, vtkWin32TextMapper2* mapper);

private:
  vtkActor2D* TextActor;
  vtkWin32TextMapper2* TextMapper;
  float Color[3] = {1.0f, 1.0f, 1.0f};
};
