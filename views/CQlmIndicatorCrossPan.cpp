#include "views/CQlmIndicatorCrossPan.h"

#include <cmath>
#include <vtkPolyData.h>

#include "ct/CQlmPanoramicCalc.h"
#include "views/QlmIndicatorGeometry.h"

void CQlmIndicatorCrossPan::SetCalc(CQlmPanoramicCalc* calc) {
  this->Calc = calc;
  this->Range.Reset(this->ArchLength());
  this->Rebuild();
}

void CQlmIndicatorCrossPan::SetHeight(float height) {
  if (!std::isfinite(height) || height < 0.0f) return;
  this->LineLength = height;
  this->Rebuild();
}

void CQlmIndicatorCrossPan::Rebuild() {
  if (!this->Calc) return;
  this->Range.Refresh(this->Calc->GetArchLength());
  const float curveLength = this->Calc->GetCurveLength();
  const double L = this->LineLength;
  std::vector<QlmIndicatorGeometry::Point> centre;
  std::vector<QlmIndicatorGeometry::Point> neighbours;
  for (int k = 0; k < SectionCount; ++k) {
    const float a = this->Range.SectionPosition(k);
    const bool inView = a >= 0.0f && a <= curveLength;
    const double x = a - curveLength / 2;
    if (k == CentreSection) {
      if (inView) centre = {{x, L / 2, 0}, {x, -L / 2, 0}};
      this->PlaceLabel(k, x, L / 4, 0, inView);
      continue;
    }
    if (inView) {
      for (const double y : {L / 2, L / 4, -L / 4, -L / 2}) neighbours.push_back({x, y, 0});
    }
    const double rise = k < CentreSection ? L / 2 - L / 16 * k : L / 4 + L / 16 * (k - CentreSection);
    this->PlaceLabel(k, x, rise, 0, inView);
  }
  QlmIndicatorGeometry::SetSegments(this->CentreLine, centre);
  QlmIndicatorGeometry::SetSegments(this->NeighborLines, neighbours);
  this->ApplyLabelVisibility();
  if (this->AllSections) this->BuildTicks(curveLength);
}

void CQlmIndicatorCrossPan::BuildTicks(float curveLength) {
  const float spacing = this->Range.Spacing;
  if (this->KeepTickNumbers({curveLength, spacing, this->LineLength, double(this->NumberStep), 1.0, 0.0})) return;
  const double L = this->LineLength;
  const int step = this->EffectiveStep();
  std::vector<QlmIndicatorGeometry::Point> ticks;
  for (float a = 0.0f; curveLength >= 0.0f && a <= curveLength; a += spacing) {
    const double x = a - curveLength / 2;
    for (const double y : {L / 2, L / 4, -L / 4, -L / 2}) ticks.push_back({x, y, 0});
    if (static_cast<int>(a / spacing) % step == 0) this->AddTickNumber(a, x, L / 2 - 2, 0);
  }
  QlmIndicatorGeometry::SetSegments(this->Ticks, ticks);
}
