#pragma once
// The current panoramic curve's indicators: the curve in the axial view, its
// mark in the cross-section cells and its band in the 3D view.
class CQlmIndicatorPan3D;
class CQlmIndicatorPanAxial;
class CQlmIndicatorPanCross;
class CQlmPanoramicCalc;

class CQlmIndicatorPan {
public:
  static CQlmIndicatorPan* New() { return new CQlmIndicatorPan; }
  virtual ~CQlmIndicatorPan();
  CQlmIndicatorPan(const CQlmIndicatorPan&) = delete;
  CQlmIndicatorPan& operator=(const CQlmIndicatorPan&) = delete;

  // PanCross's mark length and Pan3D's band height.
  void SetHeight(float height);
  void SetCalc(CQlmPanoramicCalc* calc);
  // Curve k of the arch geometry becomes current (ignored when unchanged or
  // out of range there); PanCross and Pan3D follow.
  void SetCurrentCurve(int k);
  void SetCurveSpacing(float spacing);
  void SetNumberOfCurves(int count);
  void SetLabelVisibility(int visible);
  // PanCross, PanAxial's label, Pan3D.
  void Update();

  CQlmIndicatorPanAxial* const PanAxial;
  CQlmIndicatorPanCross* const PanCross;
  CQlmIndicatorPan3D* const Pan3D;

protected:
  CQlmIndicatorPan();

private:
  void RebuildCurveMarks();

  CQlmPanoramicCalc* Calc = nullptr;
};
