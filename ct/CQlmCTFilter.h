#pragma once
// Owner of the three CT reformat filters (axial slice, nine cross-sections,
// panoramic image); hands them the volume and the arch geometry.
#include <memory>

class CQlmCTAxialFilter;
class CQlmCTCrossFilter9;
class CQlmCTPanFilter;
class CQlmPanoramicCalc;
class vtkImageData;

class CQlmCTFilter {
public:
  CQlmCTFilter();
  virtual ~CQlmCTFilter();
  CQlmCTFilter(const CQlmCTFilter&) = delete;
  CQlmCTFilter& operator=(const CQlmCTFilter&) = delete;

  static CQlmCTFilter* New() { return new CQlmCTFilter; }

  // The geometry (not owned) and the volume (not owned) to every filter:
  // axial SetInput; cross-section SetInput then SetCalc; panoramic SetInput then SetCalc.
  void SetInput(CQlmPanoramicCalc* calc, vtkImageData* volume);
  // In this order: section width and spacing (mm) to the cross-section filter,
  // curve spacing (mm) and number of curves to the geometry. Needs SetInput first.
  void SetParameters(float width, float spacing, float curveSpacing, int numberOfCurves);
  // Makes parallel curve k current and recomputes the panoramic image. Needs SetInput first.
  void SetCurrentCurve(int k);

  CQlmCTAxialFilter* GetAxialFilter() const { return this->AxialFilter.get(); }
  CQlmCTCrossFilter9* GetCrossFilter() const { return this->CrossFilter.get(); }
  CQlmCTPanFilter* GetPanFilter() const { return this->PanFilter.get(); }
  CQlmPanoramicCalc* GetCalc() const { return this->Calc; }

private:
  std::unique_ptr<CQlmCTAxialFilter> AxialFilter;
  std::unique_ptr<CQlmCTCrossFilter9> CrossFilter;
  std::unique_ptr<CQlmCTPanFilter> PanFilter;
  CQlmPanoramicCalc* Calc = nullptr;
};
