#pragma once
// The nine cross-sections an indicator shows: first index 0 .. maximum,
// maximum = (int)(arch length / spacing - 8); the sections lie at arc lengths
// index * spacing .. (index + 8) * spacing, the centre one at
// Centre = (index + 4) * spacing.
class CQlmIndicatorCrossRange {
public:
  // False (nothing changed) for the current index, a negative one or one above the maximum.
  bool SetIndex(int index);
  // A new arch: maximum from its length, index 0.
  void Reset(float archLength);
  // Maximum from the arch length, index moved in proportion. False (nothing
  // changed) for a spacing of 0 or less, or not finite.
  bool SetSpacing(float spacing, float archLength);
  // Before a rebuild: a maximum that no longer fits the arch is recomputed
  // and the index pulled down to it.
  void Refresh(float archLength);

  // Arc length of section k (0 .. 8) in mm.
  float SectionPosition(int k) const { return this->Centre + (k - 4) * this->Spacing; }

  int Index = 0;
  int Maximum = 0;
  float Spacing = 2.0f;
  float Centre = 8.0f;

private:
  void PlaceCentre() { this->Centre = this->Index * this->Spacing + 4 * this->Spacing; }
};
