#include "views/CQlmIndicatorAxialRange.h"

#include <cmath>

#include "toolkit/QlmIndexRange.h"

bool CQlmIndicatorAxialRange::SetIndex(int index) {
  if (index == this->Index || index < 0 || index > this->Count) return false;
  this->Index = index;
  return true;
}

bool CQlmIndicatorAxialRange::SetHeight(float height) {
  if (!std::isfinite(height) || height < 0.0f) return false;
  this->Height = height;
  this->Recount();
  return true;
}

bool CQlmIndicatorAxialRange::SetSpacing(float spacing) {
  if (!QlmIndexRange::IsUsableLength(spacing)) return false;
  this->Spacing = spacing;
  this->Recount();
  return true;
}

void CQlmIndicatorAxialRange::Recount() {
  const int count = QlmIndexRange::AxialCount(this->Height, this->Spacing);
  this->Index = QlmIndexRange::Rescale(this->Index, this->Count, count);
  this->Count = count;
}

float CQlmIndicatorAxialRange::GetY() const {
  return this->Index * this->Spacing - this->Height / 2 + this->Spacing / 2;
}
