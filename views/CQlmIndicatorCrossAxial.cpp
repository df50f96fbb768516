#include "views/CQlmIndicatorCrossAxial.h"

#include <vtkPolyData.h>

#include "ct/CQlmPanoramicCalc.h"
#include "toolkit/QlmIndexRange.h"
#include "views/QlmIndicatorGeometry.h"

namespace {

// The point `across` mm from the arch, across it, at arc length s.
QlmIndicatorGeometry::Point AcrossArch(const CQlmPanoramicCalc& calc, float s, double across) {
  double m[16];
  calc.GetSectionLineMatrix(s, m);
  return {m[3] + across * m[0], m[7] + across * m[8], m[11]};
}

}  // namespace

void CQlmIndicatorCrossAxial::SetCalc(CQlmPanoramicCalc* calc) {
  this->Calc = calc;
  this->Range.Refresh(this->ArchLength());
  this->Rebuild();
}

void CQlmIndicatorCrossAxial::SetWidth(float width) {
  if (!QlmIndexRange::IsUsableLength(width)) return;
  this->LineLength = width;
  this->Rebuild();
}

void CQlmIndicatorCrossAxial::Rebuild() {
  if (!this->Calc) return;
  const CQlmPanoramicCalc& calc = *this->Calc;
  this->Range.Refresh(calc.GetArchLength());
  const double half = this->LineLength / 2;
  std::vector<QlmIndicatorGeometry::Point> neighbours;
  for (int k = 0; k < SectionCount; ++k) {
    const float s = this->Range.SectionPosition(k);
    const auto start = AcrossArch(calc, s, -half);
    const auto end = AcrossArch(calc, s, half);
    if (k == CentreSection) {
      QlmIndicatorGeometry::SetSegments(this->CentreLine, {start, end});
    } else {
      neighbours.push_back(start);
      neighbours.push_back(end);
    }
    const auto label = AcrossArch(calc, s, half + (k % 2 == 0 ? 3 : 8));
    this->PlaceLabel(k, label[0], label[1], label[2]);
  }
  QlmIndicatorGeometry::SetSegments(this->NeighborLines, neighbours);
  this->ApplyLabelVisibility();
  if (this->AllSections) this->BuildTicks();
}

// The numbers depend on the arch, the spacing, the line length and the step
// only: a move of the sections keeps them.
void CQlmIndicatorCrossAxial::BuildTicks() {
  const CQlmPanoramicCalc& calc = *this->Calc;
  const float spacing = this->Range.Spacing;
  const float archLength = calc.GetArchLength();
  const double archTime = calc.GetArchPolyData() ? static_cast<double>(calc.GetArchPolyData()->GetMTime()) : 0.0;
  if (this->KeepTickNumbers({archTime, archLength, spacing, this->LineLength, double(this->NumberStep), 0.0})) return;
  const double half = this->LineLength / 2;
  const int step = this->EffectiveStep();
  const int count = static_cast<int>(archLength / spacing + 1);
  std::vector<QlmIndicatorGeometry::Point> ticks;
  bool far = false;
  float a = 0.0f;
  for (int t = 0; t < count; ++t, a += spacing) {
    ticks.push_back(AcrossArch(calc, a, -half));
    ticks.push_back(AcrossArch(calc, a, half));
    if (static_cast<int>(a / spacing) % step != 0) continue;
    const auto number = AcrossArch(calc, a, half + (far && step <= 3 ? 8 : 3));
    this->AddTickNumber(a, number[0], number[1], number[2]);
    far = !far;
  }
  QlmIndicatorGeometry::SetSegments(this->Ticks, ticks);
}
