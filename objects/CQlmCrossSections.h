#pragma once
// The nine cross-section planes of a 2D cut: sections at arc lengths
// (first index + k) x spacing along the arch, the centre one at
// (first index + 4) x spacing, each mirrored in y as the sections are shown
// and, when asked, turned 180 degrees about its y axis, offset by the volume
// centre. Each placement goes to the cutter through `PlaceSection`; the
// change of the first index since the last placement through `SetShift`.
#include <functional>

class CQlmPanoramicCalc;
class vtkImageData;

class CQlmCrossSections {
public:
  using PlaceSection = std::function<void(int k, const double elements[16])>;
  using SetShift = std::function<void(int shift)>;

  CQlmCrossSections(PlaceSection place, SetShift shift) : Place(std::move(place)), Shift(std::move(shift)) {}

  // Volume centre, the arch geometry (not owned) and the section spacing (mm).
  void SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator, float spacing);
  // Ignored for the current index, a negative one or one beyond the largest.
  void SetCrossIndex(int index);
  // Keeps the first index at the same fraction of the arch, within 0 .. max(0, largest).
  void SetCrossSpacing(float spacing);
  // Only the middle section is placed while on; switching off places all nine again.
  void SetSingleCrossSection(int on);
  // The next index change places all nine afresh instead of shifting.
  void Invalidate() { this->Stale = 1; }
  void UpdateCutters();

  int GetCrossIndex() const { return this->FirstIndex; }
  int GetSingleCrossSection() const { return this->SingleSection; }
  int GetLargestIndex() const { return this->LargestIndex; }
  float GetSpacing() const { return this->Spacing; }
  // Arc length of the middle section; -1 before the first index.
  float GetCentreArc() const { return this->CentreArc; }

  // Turned about y (0) and mirrored in y (1), as the cuts of every family are.
  int Turn = 0;
  int Mirror = 1;

private:
  int ComputeLargestIndex() const;
  void PlaceAt(int k, float arc) const;

  PlaceSection Place;
  SetShift Shift;
  CQlmPanoramicCalc* Calculator = nullptr;
  double Offset[3] = {0.0, 0.0, 0.0};
  int LargestIndex = -1;
  int FirstIndex = -10;
  float Spacing = 2.0f;
  float CentreArc = -1.0f;
  int PendingShift = 0;
  int Stale = 0;
  int SingleSection = 0;
};
