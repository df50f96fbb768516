#include "views/CQlmIndicatorCrossRange.h"

#include <algorithm>

#include "toolkit/QlmIndexRange.h"

bool CQlmIndicatorCrossRange::SetIndex(int index) {
  if (index == this->Index || index < 0 || index > this->Maximum) return false;
  this->Index = index;
  this->PlaceCentre();
  return true;
}

void CQlmIndicatorCrossRange::Reset(float archLength) {
  this->Maximum = QlmIndexRange::CrossMaximum(archLength, this->Spacing);
  this->Index = 0;
  this->PlaceCentre();
}

bool CQlmIndicatorCrossRange::SetSpacing(float spacing, float archLength) {
  if (!QlmIndexRange::IsUsableLength(spacing)) return false;
  this->Spacing = spacing;
  const int maximum = QlmIndexRange::CrossMaximum(archLength, spacing);
  this->Index = QlmIndexRange::Rescale(this->Index, this->Maximum, maximum);
  this->Maximum = maximum;
  this->PlaceCentre();
  return true;
}

void CQlmIndicatorCrossRange::Refresh(float archLength) {
  const float maximum = archLength / this->Spacing - 8.0f;
  if (static_cast<float>(this->Maximum) == maximum) return;
  this->Maximum = static_cast<int>(maximum);
  this->Index = std::max(0, std::min(this->Index, this->Maximum));
  this->PlaceCentre();
}
