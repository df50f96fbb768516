#pragma once
// The panoramic view: the panoramic image, moved through the parallel curves
// by its vertical scroll bar and the navigation keys (C2DViewWnd). The keys
// do nothing while the arch curve is drawn or edited (tools 5 and 6), the keys
// and SetSlice nothing while the thick panoramic is shown. Made by the main
// frame's splitter; its render-window wrapper paints it.
#include "views/C2DViewWnd.h"

class CQlmInteractorStyle2;
class CQlmPanoramicCalc;

class CPanoramicWnd : public C2DViewWnd<CQlmInteractorStyle2> {
public:
  CPanoramicWnd();

protected:
  CQlmInteractorStyle2* GetStyle() const override;
  bool IsRendering() const override;
  int GetCurrentIndex() const override;
  // The highest parallel curve; -1 without an arch.
  int GetHighestIndex() const override;
  // The CT filter's curve, the indicators' and rulers' SetPanoramicIndex,
  // then the curve's offset from the arch to the number overlay.
  void FanOut(int index) override;
  void PassKeyToController(UINT key, UINT repeat, UINT flags) override;
  bool MayNavigate() const override;
  bool MaySetSlice() const override;
  bool MiddleAndWheelWhileOff() const override { return true; }

  // In the click-zoom states (90, 91, 92) the view zooms itself, rebuilds
  // its cross-section marks and renders; the press does not reach the style.
  void OnLButtonDown(UINT flags, CPoint point) override;
  // The end of a pan (state 60) rebuilds the cross-section marks before the style renders.
  void OnLButtonUp(UINT flags, CPoint point) override;

private:
  // The arch geometry the CT filters were given; null before.
  const CQlmPanoramicCalc* GetCalc() const;
  bool ZoomsOnClick() const;
  void ZoomOnClick();
  void RebuildSectionMarks();
};
