#pragma once
// A view's orientation letters, top, bottom, left and right. A letter shows
// while the overlay is visible and its show flag is set (by default top and
// right). The controller writes the letters to the source's mappers.
#include "views/CQlmLabelOverlay.h"

class vtkOrientWindow;

class CQlmOrientWindow : public CQlmLabelOverlay {
public:
  enum Letter { Top, Bottom, Left, Right, LetterCount };

  // Null when memory runs out.
  static CQlmOrientWindow* New();

  // The four letters' colour; stored.
  void SetColor(float r, float g, float b);
  const float* GetColor() const { return this->Color; }
  // Each letter shows when `on` and its show flag are set.
  void SetVisibility(int on);
  // The letter shows when `on` and the overlay is visible; the flag is stored.
  void SetShowTop(int on) { this->SetShow(Top, on); }
  void SetShowBottom(int on) { this->SetShow(Bottom, on); }
  void SetShowLeft(int on) { this->SetShow(Left, on); }
  void SetShowRight(int on) { this->SetShow(Right, on); }
  int GetShow(Letter letter) const { return this->Show[letter]; }
  // Box behind the four letters and its colour (neither stored).
  void SetBackground(int on);
  void SetBackgroundColor(float r, float g, float b);

  vtkOrientWindow* GetSource() const;
  vtkActor2D* GetLetterActor(Letter letter) const;

protected:
  explicit CQlmOrientWindow(vtkOrientWindow* source);

private:
  void SetShow(Letter letter, int on);

  int Show[LetterCount] = {1, 0, 0, 1};
  float Color[3] = {1.0f, 1.0f, 1.0f};
};
