#include "toolkit/QlmPlanningFrame.h"

#include <vtkImageData.h>

namespace {

float CentreOf(float origin, int dimension, float spacing) {
  return origin + static_cast<float>(dimension - 1) * spacing / 2.0f;
}

}  // namespace

QlmPlanningFrame::QlmPlanningFrame(vtkImageData* volume) {
  if (!volume) return;
  const int* dimensions = volume->GetDimensions();
  const double* spacing = volume->GetSpacing();
  const double* origin = volume->GetOrigin();
  for (int axis = 0; axis < 3; ++axis) {
    this->Centre[axis] =
        CentreOf(static_cast<float>(origin[axis]), dimensions[axis], static_cast<float>(spacing[axis]));
  }
}

QlmPlanningFrame::QlmPlanningFrame(const int dimensions[3], const float spacing[3], const float origin[3]) {
  for (int axis = 0; axis < 3; ++axis) this->Centre[axis] = CentreOf(origin[axis], dimensions[axis], spacing[axis]);
}

void QlmPlanningFrame::ToVolume(const double planning[3], double volume[3]) const {
  volume[0] = this->Centre[0] + planning[0];
  volume[1] = this->Centre[1] - planning[1];
  volume[2] = this->Centre[2] + planning[2];
}

void QlmPlanningFrame::ToPlanning(const double volume[3], double planning[3]) const {
  planning[0] = volume[0] - this->Centre[0];
  planning[1] = this->Centre[1] - volume[1];
  planning[2] = volume[2] - this->Centre[2];
}
