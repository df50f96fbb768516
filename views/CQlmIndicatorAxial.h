#pragma once
// The axial slice's indicators: its level in the panoramic view, in the
// cross-section cells and in the 3D view. Keeps their indices equal.
class CQlmIndicatorAxial3D;
class CQlmIndicatorAxialCross;
class CQlmIndicatorAxialPan;

class CQlmIndicatorAxial {
public:
  static CQlmIndicatorAxial* New() { return new CQlmIndicatorAxial; }
  virtual ~CQlmIndicatorAxial();
  CQlmIndicatorAxial(const CQlmIndicatorAxial&) = delete;
  CQlmIndicatorAxial& operator=(const CQlmIndicatorAxial&) = delete;

  void SetIndex(int index);
  void SetHeight(float height);
  void SetSpacing(float spacing);
  void SetLabelVisibility(int visible);
  void Update();

  CQlmIndicatorAxialPan* const AxialPan;
  CQlmIndicatorAxialCross* const AxialCross;
  CQlmIndicatorAxial3D* const Axial3D;

protected:
  CQlmIndicatorAxial();
};
