#pragma once
// The current panoramic curve drawn in the axial view (the arch geometry's
// own curve polydata, so it follows every change of the curve), labelled
// with its offset from the arch in mm.
#include <vtkNew.h>

#include "views/CQlmIndicatorMember.h"

class CQlm3DWindow;
class CQlmPanoramicCalc;
class vtkActor;
class vtkPolyDataMapper;

class CQlmIndicatorPanAxial : public CQlmIndicatorMember {
public:
  static CQlmIndicatorPanAxial* New() { return new CQlmIndicatorPanAxial; }
  ~CQlmIndicatorPanAxial() override;

  void SetWindow(CQlm3DWindow* window) { this->Window = window; }
  void AddToWindow();
  void RemoveFromWindow();

  void SetCalc(CQlmPanoramicCalc* calc);
  // Text and place of the label: 2 mm left of the curve's second point; no
  // text on a curve of fewer than two points.
  void UpdateLabel();

  vtkActor* GetCurveActor() const { return this->CurveActor; }

protected:
  CQlmIndicatorPanAxial();

private:
  vtkNew<vtkPolyDataMapper> CurveMapper;
  vtkNew<vtkActor> CurveActor;
  CQlm3DWindow* Window = nullptr;
  CQlmPanoramicCalc* Calc = nullptr;
};
