#pragma once
// The cross-sections' indicators: the nine sections in the axial and
// panoramic views and the centre section's plane in the 3D view. Keeps
// their indices equal.
class CQlmIndicatorCross3D;
class CQlmIndicatorCrossAxial;
class CQlmIndicatorCrossPan;
class CQlmPanoramicCalc;

class CQlmIndicatorCross {
public:
  static CQlmIndicatorCross* New() { return new CQlmIndicatorCross; }
  virtual ~CQlmIndicatorCross();
  CQlmIndicatorCross(const CQlmIndicatorCross&) = delete;
  CQlmIndicatorCross& operator=(const CQlmIndicatorCross&) = delete;

  void SetIndex(int index);
  // CrossPan's line length and Cross3D's plane height.
  void SetHeight(float height);
  void SetCalc(CQlmPanoramicCalc* calc);
  // CrossAxial's line length and Cross3D's plane width.
  void SetWidth(float width);
  void SetSpacing(float spacing);
  void SetLabelVisibility(int visible);
  void SetColor(float r, float g, float b);
  void SetLabelColor(float r, float g, float b);
  void Update();

  CQlmIndicatorCrossAxial* const CrossAxial;
  CQlmIndicatorCrossPan* const CrossPan;
  CQlmIndicatorCross3D* const Cross3D;

protected:
  CQlmIndicatorCross();

private:
  CQlmPanoramicCalc* Calc = nullptr;
};
