#pragma once
// The first placement of a new planned object (implant, tooth, mesh) from
// the view clicked and the point clicked there: on the point, standing
// across the arch in the section through it.
#include <vtkMatrix4x4.h>
#include <vtkNew.h>

class CQlmIndicator;
class CQlmPanoramicCalc;
class vtkImageData;

class CQlmObjectPlacer {
public:
  enum View { Axial = 0, Cross = 1, Panoramic = 2 };

  static CQlmObjectPlacer* New() { return new CQlmObjectPlacer; }
  virtual ~CQlmObjectPlacer() = default;

  // Volume centre, z spacing and half height from `image`; the arch geometry (not owned).
  void SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator);
  void SetSpacing(float spacing) { this->Spacing = spacing; }
  // The indicators (not owned) whose picker finds the section nearest to an
  // axial click; without them an axial click stands in the first nine sections.
  void SetIndicator(CQlmIndicator* indicator) { this->Indicator = indicator; }

  // Places `object` (GetMatrix / SetMatrix of its placement) for a click at
  // `point` (the view's own coordinates) in `view` at position `index`
  // (axial slice, absolute section number or panoramic curve). Any other
  // view, or no calculator, changes nothing.
  template <class Object>
  void Place(int view, int index, const double point[3], Object* object) const {
    vtkNew<vtkMatrix4x4> placement;
    placement->DeepCopy(object->GetMatrix());
    if (this->Place(view, index, point, placement)) object->SetMatrix(placement->GetData());
  }
  // `placement` := placement x T(target) x Rx(90) x R (R the section's
  // orientation inverted); false, and unchanged, for no placement.
  bool Place(int view, int index, const double point[3], vtkMatrix4x4* placement) const;

protected:
  CQlmObjectPlacer() = default;

private:
  CQlmPanoramicCalc* Calculator = nullptr;
  CQlmIndicator* Indicator = nullptr;
  double Centre[3] = {0.0, 0.0, 0.0};
  double SpacingZ = 1.0;
  double HalfHeight = 0.0;
  float Spacing = 2.0f;
};
