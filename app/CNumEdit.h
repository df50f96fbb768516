#pragma once
// A numeric field: typed and pasted text keeps to digits and one decimal
// point; leaving the field puts its value inside [Minimum, Maximum] and shows
// it with two decimals. Numbers are read and written with a point whatever
// the locale.
#include "platform/gui/CEdit.h"

class CNumEdit : public CEdit {
public:
  // Clamps the value into [Minimum, Maximum] and shows it as "%.2f"; text
  // that is empty or no number counts as 0.
  void Validate();
  // The text's value; 0 for empty text.
  double GetValue() const;
  // Shows `value` as "%.2f" (no clamping).
  void SetValue(float value);

  float Maximum = 10.0f;
  float Minimum = 0.1f;

protected:
  // Digits and backspace; a point only while the text has none.
  void OnChar(UINT character, UINT repeat, UINT flags) override;
  void OnKillFocus() override { this->Validate(); }
};
