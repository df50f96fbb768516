#pragma once
// The axial slice an indicator shows and the slices it can show: index 0 ..
// count, count = (int)(height / spacing + 0.5). Slice i lies at height
// i * spacing - height / 2 + spacing / 2 in the 2D views (centred on 0) and
// at the level i * spacing + origin z in the volume.
class CQlmIndicatorAxialRange {
public:
  // False (nothing changed) for the current index, a negative one or one above the count.
  bool SetIndex(int index);
  // The count follows and the index moves in proportion. False (nothing
  // changed) for a height below 0 or a spacing of 0 or less, or not finite.
  bool SetHeight(float height);
  bool SetSpacing(float spacing);

  // Height of the slice in the 2D views.
  float GetY() const;
  // Level of the slice in mm.
  float GetLevel(float originZ) const { return this->Index * this->Spacing + originZ; }

  int Index = 0;
  int Count = 25;
  float Spacing = 1.0f;
  float Height = 25.0f;

private:
  void Recount();
};
