#pragma once
// The test arch bent into a V (world (0, 30), (30, 10), (60, 30) over the
// scene's volume centred at (30, 30)), and points beside its curve, for the
// panoramic slides across a vertex.
#include <cmath>

#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLine.h"

inline bool BendIntoAV(CQlmPolyLine& arch, CQlmPanoramicCalc& calculator) {
  const float points[9] = {-30, 0, 0, 0, 20, 0, 30, 0, 0};
  if (!arch.SetPoints(3, points)) return false;
  calculator.Update();
  return true;
}

// The world point `offset` mm to the left of the curve's drawing direction at `arc`, at height `z`.
inline void BesideTheCurve(const CQlmPanoramicCalc& calculator, double arc, double offset, double z, double out[3]) {
  float p[3], q[3];
  calculator.GetCurvePoint(float(arc), p);
  calculator.GetCurvePoint(float(arc + 0.01), q);
  const double dx = q[0] - p[0], dy = -(q[1] - p[1]);
  const double norm = std::hypot(dx, dy);
  out[0] = 30 + p[0] - offset * dy / norm;
  out[1] = 30 - p[1] + offset * dx / norm;
  out[2] = z;
}
