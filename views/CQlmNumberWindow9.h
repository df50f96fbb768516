#pragma once
// The numbers of the nine cells of the cross-section view: the arc position
// (mm, two decimals) of each section. As the controller's CrossNumbers
// follower it takes the nine positions whenever the view moves.
#include "views/CQlmPositionListener.h"
#include "views/CQlmTextWindow9.h"

class CQlmNumberWindow9 : public CQlmTextWindow9, public CQlmPositionListener {
public:
  // Null when memory runs out.
  static CQlmNumberWindow9* New();

  // All nine numbers, the centre too; stored.
  void SetColor(float r, float g, float b);
  // Cell i shows "%.2f" of numbers[i].
  void SetNumbers(const float* numbers) override;
  // The boxes behind the numbers; flag and colour stored.
  void SetBackground(int on);
  int GetBackground() const { return this->Box; }
  void SetBackgroundColor(float r, float g, float b);
  const float* GetBackgroundColor() const { return this->BoxColor; }

protected:
  CQlmNumberWindow9();

private:
  float BoxColor[3] = {1.0f, 1.0f, 1.0f};
  int Box = 0;
};
