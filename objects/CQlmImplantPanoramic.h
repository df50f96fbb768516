#pragma once
// An implant as its outline in the panoramic view, unrolled along the
// calculator's current curve.
#include "objects/CQlmImplantCut.h"

class CQlmLayeredWindow;
class CQlmPanoramicCalc;
class vtkImageData;
class vtkImplantPanoramic;

class CQlmImplantPanoramic : public CQlmImplantCut {
public:
  static CQlmImplantPanoramic* CreateObject() { return new CQlmImplantPanoramic; }
  CQlmImplantPanoramic();
  ~CQlmImplantPanoramic() override;

  void SetWindow(CQlmLayeredWindow* window) { this->Window = window; }
  // The calculator's current curve (not owned), the volume centre and height.
  void SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator);
  void SetThick(int on);
  // Filled outlines at full opacity, else lines at 0.3.
  void SetFill(int on) override;
  vtkImplantPanoramic* GetPanoramicCutter() const { return this->PanoramicCutter; }

protected:
  vtkRenderer* SectionRenderer(int k) const override;
  vtkActor2D* SectionLabel(int k) const override;

private:
  vtkImplantPanoramic* PanoramicCutter;
  CQlmLayeredWindow* Window = nullptr;
};
