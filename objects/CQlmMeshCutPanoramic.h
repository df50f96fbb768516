#pragma once
// A mesh's label-less outline in the panoramic view, unrolled along the
// calculator's current curve.
#include "objects/CQlmMeshCut.h"

class CQlmLayeredWindow;
class CQlmPanoramicCalc;
class vtkImageData;
class vtkPolyDataCutterPanoramic;

class CQlmMeshCutPanoramic : public CQlmMeshCut {
public:
  static CQlmMeshCutPanoramic* CreateObject() { return new CQlmMeshCutPanoramic; }
  CQlmMeshCutPanoramic();
  ~CQlmMeshCutPanoramic() override;

  void SetWindow(CQlmLayeredWindow* window) { this->Window = window; }
  // The calculator's current curve (not owned), the volume centre and height.
  void SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator);
  CQlmPanoramicCalc* GetCalculator() const { return this->Calculator; }
  // Thick panoramic: the whole mesh projected, 30 % opaque; else cut, opaque.
  void SetThick(int on);
  vtkPolyDataCutterPanoramic* GetPanoramicCutter() const { return this->PanoramicCutter; }

protected:
  // `cutter` (taken over) in place of the plain mesh cutter.
  explicit CQlmMeshCutPanoramic(vtkPolyDataCutterPanoramic* cutter);
  vtkRenderer* SectionRenderer(int k) const override;

private:
  vtkPolyDataCutterPanoramic* PanoramicCutter;
  CQlmLayeredWindow* Window = nullptr;
  CQlmPanoramicCalc* Calculator = nullptr;
};
