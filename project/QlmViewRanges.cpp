#include "project/QlmViewRanges.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace QlmViewRanges {

namespace {

// Written so that NaN lies outside.
template <typename T>
bool Within(T value, T lowest, T highest) {
  return value >= lowest && value <= highest;
}

template <size_t N>
bool AllFinite(const double (&values)[N]) {
  return std::all_of(std::begin(values), std::end(values), [](double value) { return std::isfinite(value); });
}

bool IsFinite(const CQlmViewState::Camera& camera) {
  return AllFinite(camera.Position) && AllFinite(camera.FocalPoint) && AllFinite(camera.ViewUp) &&
         std::isfinite(camera.ParallelScale);
}

double Length(const double (&v)[3]) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

}  // namespace

bool IsCurveCount(int32_t count, int32_t mostCurves) { return Within(count, MinimumCurves, mostCurves); }

bool IsCurveSpacing(float spacing) { return Within(spacing, MinimumCurveSpacing, MaximumCurveSpacing); }

bool IsSectionWidth(float width, float largestWidth) { return width > 0.0f && width <= largestWidth; }

bool IsSectionSpacing(float spacing) { return Within(spacing, MinimumSectionSpacing, MaximumSectionSpacing); }

bool IsThickness(float thickness) { return Within(thickness, MinimumThickness, MaximumThickness); }

bool IsThickMode(int32_t mode) { return Within(mode, 0, MaximumThickMode); }

bool IsFlag(int32_t flag) { return flag == 0 || flag == 1; }

bool IsColour(const float (&colour)[3]) {
  return std::all_of(std::begin(colour), std::end(colour), [](float part) { return Within(part, 0.0f, 1.0f); });
}

bool IsGreyWindow(float minimum, float maximum) {
  return Within(minimum, LowestGrey, HighestGrey) && Within(maximum, LowestGrey, HighestGrey) && minimum < maximum;
}

bool IsIndex(int32_t index, int highest) { return Within(index, 0, highest); }

bool IsViewCamera(const CQlmViewState::Camera& camera, const double bounds[4], const double clipping[2]) {
  const double side = std::max(bounds[1] - bounds[0], bounds[3] - bounds[2]);
  if (!IsFinite(camera) || !(std::isfinite(side) && side > 0.0)) return false;
  const double* focus = camera.FocalPoint;
  const double* position = camera.Position;
  // Coordinates of a picture a few hundred millimetres across: a micrometre is no offset.
  const double tolerance = 1.0e-6 * side;
  const double focusDistance = position[2] - focus[2];
  return camera.ParallelScale > 0.0 && camera.ParallelScale <= Reach * side &&
         Within(focus[0], bounds[0] - side, bounds[1] + side) && Within(focus[1], bounds[2] - side, bounds[3] + side) &&
         std::fabs(position[0] - focus[0]) <= tolerance && std::fabs(position[1] - focus[1]) <= tolerance &&
         Within(focusDistance, clipping[0], clipping[1]) && Within(position[2], clipping[0], clipping[1]);
}

bool IsNearVolume(const double point[3], const float size[3]) {
  const double side = std::max({double(size[0]), double(size[1]), double(size[2]), NearMargin});
  for (int axis = 0; axis < 3; ++axis) {
    if (!Within(point[axis], -(size[axis] / 2.0 + side), size[axis] / 2.0 + side)) return false;
  }
  return true;
}

bool IsCamera3D(const CQlmViewState::Camera& camera, const float size[3]) {
  const double side = std::max({size[0], size[1], size[2]});
  if (!IsFinite(camera) || !(std::isfinite(side) && side > 0.0) || !IsNearVolume(camera.FocalPoint, size)) {
    return false;
  }
  double direction[3];
  for (int axis = 0; axis < 3; ++axis) direction[axis] = camera.FocalPoint[axis] - camera.Position[axis];
  const double* up = camera.ViewUp;
  const double across[3] = {up[1] * direction[2] - up[2] * direction[1], up[2] * direction[0] - up[0] * direction[2],
                            up[0] * direction[1] - up[1] * direction[0]};
  const double distance = Length(direction);
  return camera.ParallelScale > 0.0 && camera.ParallelScale <= Reach * side && distance > 0.0 &&
         distance <= Reach * side && Length(across) > 1.0e-6 * distance * Length(camera.ViewUp);
}

bool IsPaneSize(double size, int extent, int minimum) {
  return Within(size, double(minimum), double(extent - minimum));
}

}  // namespace QlmViewRanges
