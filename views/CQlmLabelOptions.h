#pragma once
// The labels of one object kind's container as the kind's menu sets them:
// shown or hidden, what they show and how large. The controller holds one
// (or none) per library kind in CQlmQuorvantile::LabelOptions; each
// container fills its slot when the controller owns it.
class CQlmLabelOptions {
public:
  virtual ~CQlmLabelOptions() = default;

  // 1 shows the labels of every object of the kind, 0 hides them.
  virtual void SetVisibilityNumber(int on) = 0;
  // 0 the object's index, 1 its name (implants: their size).
  virtual void SetLabelMode(int mode) = 0;
  // Points: 7, 12 or 18.
  virtual void SetFontSize(int size) = 0;
  // 1 draws the labels on a filled box (the text profiles' object labels).
  virtual void SetLabelBackground(int on) = 0;
};
