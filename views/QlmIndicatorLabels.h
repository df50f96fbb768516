#pragma once
// Texts of the position indicators' labels.
#include <string>

class CQlmPanoramicCalc;

namespace QlmIndicatorLabels {

// Offset of the current curve from the arch: (current - middle) * curve spacing, "%.2f".
float CurveOffsetMm(const CQlmPanoramicCalc& calc);
std::string CurveOffset(const CQlmPanoramicCalc& calc);

}  // namespace QlmIndicatorLabels
