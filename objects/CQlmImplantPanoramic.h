#pragma once
// An implant as its outline in the panoramic view, unrolled along the
// calculator's current curve.
#include "objects/CQlmImplantCut.h"

class CQlmLayeredWindow;
class CQlmPanoramicCalc;
class vtkImageData;
class vtkMatrix4x4;
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

  // The drag: previews about the platform in the unrolled frame; on release a
  // translation slides the implant along the curve and a turn turns it in the
  // curve's frame; without either, a turn of the connector tilts it there. A
  // drag that neither moves nor turns changes nothing and keeps the user matrices.
  void SetUserMatrix(vtkMatrix4x4* implantMatrix);
  void SetConectorUserMatrix(vtkMatrix4x4* connectorMatrix);
  void ApplyUserMatrix();

protected:
  vtkRenderer* SectionRenderer(int k) const override;
  vtkActor2D* SectionLabel(int k) const override;
  const double* SectionLabelAnchor(int k) const override;

private:
  vtkImplantPanoramic* PanoramicCutter;
  CQlmLayeredWindow* Window = nullptr;
  CQlmPanoramicCalc* Calculator = nullptr;
};
