#pragma once
// A tooth or library mesh as its outline in the panoramic view, unrolled
// along the arch geometry's current curve. A drag slides the object along
// the curve (keeping its offset from the curve and its orientation) or
// turns it in the curve's frame.
#include "objects/CQlmGeomCut.h"

class CQlmLayeredWindow;
class CQlmPanoramicCalc;
class vtkGeomPanoramic;
class vtkImageData;

class CQlmGeomPanoramic : public CQlmGeomCut {
public:
  static CQlmGeomPanoramic* CreateObject() { return new CQlmGeomPanoramic; }
  CQlmGeomPanoramic();
  ~CQlmGeomPanoramic() override;

  void SetWindow(CQlmLayeredWindow* window) { this->Window = window; }
  // The calculator's current curve (not owned), the volume centre and height.
  void SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator);
  // Thick panoramic: the whole mesh projected.
  void SetThick(int on);
  vtkGeomPanoramic* GetPanoramicCutter() const { return this->PanoramicCutter; }

  // The drag (16 values row by row, the view's frame) previewed about the
  // object's origin, then carried into the 3D placement on release.
  void SetUserMatrix(const double drag[16]);
  void ApplyUserMatrix();

protected:
  vtkRenderer* SectionRenderer(int k) const override;

private:
  vtkGeomPanoramic* PanoramicCutter;
  CQlmLayeredWindow* Window = nullptr;
  CQlmPanoramicCalc* Calculator = nullptr;
};
