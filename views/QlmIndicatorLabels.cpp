#include "views/QlmIndicatorLabels.h"

#include "ct/CQlmPanoramicCalc.h"
#include "platform/QlmNumberFormat.h"

namespace QlmIndicatorLabels {

float CurveOffsetMm(const CQlmPanoramicCalc& calc) {
  return (calc.GetCurrentCurve() - calc.GetMiddleCurve()) * calc.GetCurveSpacing();
}

std::string CurveOffset(const CQlmPanoramicCalc& calc) {
  return QlmNumberFormat::Format("%.2f", CurveOffsetMm(calc));
}

}  // namespace QlmIndicatorLabels
