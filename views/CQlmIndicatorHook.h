#pragma once
// The position indicators as the controller and the editing tools drive
// them. The controller holds one (CQlmQuorvantile::IndicatorHook); until the
// indicators exist it holds none and every call does nothing.
class CQlmIndicatorHook {
public:
  // The nine indicators, named what-and-where: CrossAxial is the lines of the
  // cross-sections drawn in the axial view, Cross3D their planes in 3D.
  enum Mark { PanAxial, PanCross, Pan3D, CrossAxial, CrossPan, Cross3D, AxialPan, AxialCross, Axial3D };

  virtual ~CQlmIndicatorHook() = default;

  // The parallel curve that the panoramic marks follow.
  virtual void SetCurrentCurve(int /*curve*/) {}
  // Rebuilds every indicator after the arch or the section geometry changed.
  virtual void Update() {}
  // Shows (1) or hides (0) one indicator.
  virtual void SetVisibility(Mark /*mark*/, int /*visible*/) {}
};
