#pragma once
// Points on the maxillary crowns of the sample project's head CT, found from
// the grey values along the arch, for tests that place objects on them.
#include <vtkImageData.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmPanoramicCalc.h"
#include "toolkit/QlmPlanningFrame.h"

namespace SampleCrowns {

using Vector = std::array<double, 3>;

// The grey of the voxel nearest to a volume point; 0 outside the volume.
inline double GreyAt(const CQlmQuorvantile& q, const Vector& point) {
  vtkImageData* volume = q.CTData->ImageData;
  int ijk[3];
  for (int axis = 0; axis < 3; ++axis) {
    ijk[axis] = int(std::lround((point[axis] - volume->GetOrigin()[axis]) / volume->GetSpacing()[axis]));
    if (ijk[axis] < 0 || ijk[axis] >= volume->GetDimensions()[axis]) return 0.0;
  }
  return volume->GetScalarComponentAsDouble(ijk[0], ijk[1], ijk[2], 0);
}

// A point of a maxillary crown: on the arch (which runs over the maxillary
// teeth) at `arc`, the highest voxel of the column, within `within` mm of
// the height `near`, that is as bright as enamel (nine tenths of the
// brightest there). Its grey goes to `grey`.
inline Vector CrownPoint(const CQlmQuorvantile& q, float arc, double near, double within, double& grey) {
  vtkImageData* volume = q.CTData->ImageData;
  float onArch[3];
  q.PanoramicCalc->GetArchPoint(arc, onArch);
  const QlmPlanningFrame frame(volume);
  const double planning[3] = {onArch[0], onArch[1], 0.0};
  Vector point;
  frame.ToVolume(planning, point.data());
  const double bottom = volume->GetOrigin()[2], step = volume->GetSpacing()[2];
  std::vector<int> slices;
  for (int k = volume->GetDimensions()[2] - 1; k >= 0; --k)
    if (std::abs(bottom + k * step - near) <= within) slices.push_back(k);
  double brightest = 0.0;
  for (int k : slices) brightest = std::max(brightest, GreyAt(q, {point[0], point[1], bottom + k * step}));
  for (int k : slices) {
    point[2] = bottom + k * step;
    grey = GreyAt(q, point);
    if (grey >= 0.9 * brightest) break;
  }
  return point;
}

// The axial slice nearest to height `z` of the volume.
inline int SliceAt(const CQlmQuorvantile& q, double z) {
  vtkImageData* volume = q.CTData->ImageData;
  return int(std::lround((z - volume->GetOrigin()[2]) / volume->GetSpacing()[2]));
}

// How far, in mm, an object's placement lies from volume point `point`.
template <class Object>
double DistanceToPlacement(const Object& object, const Vector& point) {
  double position[3];
  object.GetPosition(position);
  return std::hypot(position[0] - point[0], position[1] - point[1], position[2] - point[2]);
}

inline Vector ToPlanning(const CQlmQuorvantile& q, const Vector& volume) {
  Vector planning;
  QlmPlanningFrame(q.CTData->ImageData).ToPlanning(volume.data(), planning.data());
  return planning;
}

}  // namespace SampleCrowns
