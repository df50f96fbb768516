#include "objects/CQlmObjectPlacer.h"

#include <vtkImageData.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkTransform.h>

#include <algorithm>

#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmResliceGeometry.h"
#include "views/CQlmIndicator.h"
#include "toolkit/QlmPlanningFrame.h"

namespace {
constexpr int MiddleSection = 4;

void WithoutTranslation(double elements[16]) { elements[3] = elements[7] = elements[11] = 0.0; }
}  // namespace

void CQlmObjectPlacer::SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator) {
  const QlmPlanningFrame frame(image);
  std::copy(frame.GetCentre(), frame.GetCentre() + 3, this->Centre);
  this->SpacingZ = image ? image->GetSpacing()[2] : 1.0;
  this->HalfHeight = image ? image->GetDimensions()[2] * this->SpacingZ / 2 : 0.0;
  this->Calculator = calculator;
}

bool CQlmObjectPlacer::Place(int view, int index, const double point[3], vtkMatrix4x4* placement) const {
  if (!this->Calculator || view < Axial || view > Panoramic) return false;
  double target[3];
  double section[16];
  if (view == Axial) {
    target[0] = this->Centre[0] + point[0];
    target[1] = this->Centre[1] - point[1];
    target[2] = this->Centre[2] + index * this->SpacingZ + this->SpacingZ / 2 - this->HalfHeight + 0.1;
    const int n = this->Indicator ? this->Indicator->GetCrossIndexAtAxialPoint(point) : 0;
    this->Calculator->GetSectionMatrix((n + MiddleSection) * this->Spacing, section);
  } else if (view == Cross) {
    this->Calculator->GetSectionMatrix(index * this->Spacing, section);
    vtkNew<vtkMatrix4x4> mirrored;
    mirrored->DeepCopy(section);
    CQlmResliceGeometry::FlipMatrixY(mirrored);
    const double local[4] = {point[0], point[1], point[2], 1.0};
    double world[4];
    mirrored->MultiplyPoint(local, world);
    for (int i = 0; i < 3; ++i) target[i] = world[i] + this->Centre[i];
  } else {
    const float arc = this->Calculator->GetCurveLength() / 2 + float(point[0]);
    this->Calculator->GetCurveSectionMatrix(arc, section);
    vtkNew<vtkMatrix4x4> mirrored;
    mirrored->DeepCopy(section);
    CQlmResliceGeometry::FlipMatrixY(mirrored);
    target[0] = mirrored->GetElement(0, 3) + this->Centre[0];
    target[1] = mirrored->GetElement(1, 3) + this->Centre[1];
    target[2] = this->Centre[2] + point[1];
  }
  WithoutTranslation(section);
  vtkNew<vtkMatrix4x4> orientation;
  orientation->DeepCopy(section);
  orientation->Invert();
  vtkNew<vtkTransform> placed;
  placed->SetMatrix(placement);
  placed->Translate(target);
  placed->RotateX(90.0);
  placed->Concatenate(orientation);
  placement->DeepCopy(placed->GetMatrix());
  return true;
}
