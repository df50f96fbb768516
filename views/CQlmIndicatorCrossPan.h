#pragma once
// The nine cross-sections in the panoramic view: vertical lines at their
// positions along the current curve (x centred on 0, the image spanning the
// curve's length), numbered. Sections beyond the curve show no line and no
// number.
#include "views/CQlmIndicatorCrossLines.h"

class CQlmIndicatorCrossPan : public CQlmIndicatorCrossLines {
public:
  static CQlmIndicatorCrossPan* New() { return new CQlmIndicatorCrossPan; }

  // A new arch: index 0, then the lines rebuilt.
  void SetCalc(CQlmPanoramicCalc* calc);
  // The line length (the volume height); ignored when below 0 or not finite.
  void SetHeight(float height);
  void Rebuild() override;

protected:
  CQlmIndicatorCrossPan() : CQlmIndicatorCrossLines(25.0f, 2) {}

private:
  void BuildTicks(float curveLength);
};
