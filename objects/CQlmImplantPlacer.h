#pragma once
// The first placement of a new implant from the view clicked and the point
// clicked there: on the point, standing across the arch in the section
// through it.
class CQlmImplant3D;
class CQlmIndicator;
class CQlmPanoramicCalc;
class vtkImageData;

class CQlmImplantPlacer {
public:
  enum View { Axial = 0, Cross = 1, Panoramic = 2 };

  static CQlmImplantPlacer* New() { return new CQlmImplantPlacer; }
  virtual ~CQlmImplantPlacer() = default;

  // Volume centre, z spacing and half height from `image`; the arch geometry (not owned).
  void SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator);
  void SetSpacing(float spacing) { this->Spacing = spacing; }
  // The indicators (not owned) whose picker finds the section nearest to an
  // axial click; without them an axial click stands in the first nine sections.
  void SetIndicator(CQlmIndicator* indicator) { this->Indicator = indicator; }

  // Places `implant` for a click at `point` (the view's own coordinates) in
  // `view` at position `index` (axial slice, absolute section number or
  // panoramic curve). Any other view, or no calculator, changes nothing.
  void Place(int view, int index, const double point[3], CQlmImplant3D* implant) const;

protected:
  CQlmImplantPlacer() = default;

private:
  CQlmPanoramicCalc* Calculator = nullptr;
  CQlmIndicator* Indicator = nullptr;
  double Centre[3] = {0.0, 0.0, 0.0};
  double SpacingZ = 1.0;
  double HalfHeight = 0.0;
  float Spacing = 2.0f;
};
