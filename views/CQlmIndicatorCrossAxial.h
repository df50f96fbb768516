#pragma once
// The nine cross-sections in the axial view: short lines across the arch,
// numbered by arc length, neighbouring numbers alternating 3 mm and 8 mm
// beyond the line end.
#include "views/CQlmIndicatorCrossLines.h"

class CQlmIndicatorCrossAxial : public CQlmIndicatorCrossLines {
public:
  static CQlmIndicatorCrossAxial* New() { return new CQlmIndicatorCrossAxial; }

  void SetCalc(CQlmPanoramicCalc* calc);
  // The line length (the cross-section width); ignored when 0 or less, or not finite.
  void SetWidth(float width);
  void Rebuild() override;

protected:
  CQlmIndicatorCrossAxial() : CQlmIndicatorCrossLines(32.0f, 1) {}

private:
  void BuildTicks();
};
