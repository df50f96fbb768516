#pragma once
// An endodontic or orthodontic object as its outlines in the panoramic view,
// the body and every part unrolled along the arch geometry's current curve.
// A drag slides the object along the curve (keeping its offset from the
// curve and its orientation) or turns it in the curve's frame.
#include "objects/CQlmMultiPartCut.h"
#include "toolkit/vtkGeomPanoramic.h"
#include "toolkit/vtkPartCutter.h"

class CQlmLayeredWindow;
class CQlmPanoramicCalc;
class vtkImageData;

class CQlmMultiPartPanoramic : public CQlmMultiPartCut {
public:
  using Cutter = vtkPartCutter<vtkGeomPanoramic>;

  ~CQlmMultiPartPanoramic() override;

  void SetWindow(CQlmLayeredWindow* window) { this->Window = window; }
  // The calculator's current curve (not owned), the volume centre and height, for every filter.
  void SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator);
  void SetCalc(CQlmPanoramicCalc* calculator);
  void SetCurveOffset(double x, double y, double z);
  // Thick panoramic: the whole meshes projected.
  void SetThick(int on);

  // The drag (16 values row by row, the view's frame) previewed about the
  // object's origin, then carried into the 3D placement on release.
  void SetUserMatrix(const double drag[16]);
  void ApplyMotionTo3D();

protected:
  CQlmMultiPartPanoramic();
  virtual Cutter* MakeCutter() const = 0;
  vtkGeomCutter* NewCutter(int slot) override;
  vtkRenderer* SectionRenderer(int k) const override;

private:
  void Prepare(Cutter* cutter) const;

  CQlmLayeredWindow* Window = nullptr;
  CQlmPanoramicCalc* Calculator = nullptr;
  double Offset[3] = {0.0, 0.0, 0.0};
  double Height = 0.0;
  int Thick = 0;
};
