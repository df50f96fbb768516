#pragma once
// The orientation letters of the nine cells of the cross-section view. A
// letter shows while the overlay is visible and its show flag is set (by
// default top and right, in every cell).
#include "views/CQlmLabelOverlay9.h"
#include "views/CQlmOrientWindow.h"

class CQlmOrientWindow9 : public CQlmLabelOverlay9 {
public:
  using Letter = CQlmOrientWindow::Letter;

  // Null when memory runs out.
  static CQlmOrientWindow9* New();

  // All 36 letters; stored.
  void SetColor(float r, float g, float b);
  // Cell 4's four letters; stored as the centre letter colour.
  void SetCenterColor(float r, float g, float b);
  void SetVisibility(int on);
  void SetShowTop(int on) { this->SetShow(CQlmOrientWindow::Top, on); }
  void SetShowBottom(int on) { this->SetShow(CQlmOrientWindow::Bottom, on); }
  void SetShowLeft(int on) { this->SetShow(CQlmOrientWindow::Left, on); }
  void SetShowRight(int on) { this->SetShow(CQlmOrientWindow::Right, on); }
  int GetShow(Letter letter) const { return this->Show[letter]; }
  // Boxes' colour; stored.
  void SetBackgroundColor(float r, float g, float b);
  // The top or right letter of all nine cells.
  void SetTopText(const char* text) { this->SetLetterText(CQlmOrientWindow::Top, text); }
  void SetRightText(const char* text) { this->SetLetterText(CQlmOrientWindow::Right, text); }

  vtkActor2D* GetLetterActor(int cell, Letter letter) const { return this->GetTexts(cell)[letter]; }

protected:
  CQlmOrientWindow9();

private:
  void SetShow(Letter letter, int on);
  void SetLetterText(Letter letter, const char* text);
  void SetCellColor(int cell, float r, float g, float b);

  int Show[CQlmOrientWindow::LetterCount] = {1, 0, 0, 1};
  float Color[3] = {1.0f, 1.0f, 1.0f};
  float BoxColor[3] = {1.0f, 1.0f, 1.0f};
  float CenterColor[3] = {1.0f, 1.0f, 1.0f};
};
