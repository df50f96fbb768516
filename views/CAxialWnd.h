#pragma once
// The axial view: the axial slice, moved through the slices by its vertical
// scroll bar and the navigation keys (C2DViewWnd). Made by the main frame's
// splitter; its render-window wrapper paints it.
#include "views/C2DViewWnd.h"

class CQlmInteractorStyle2;

class CAxialWnd : public C2DViewWnd<CQlmInteractorStyle2> {
public:
  CAxialWnd();

protected:
  CQlmInteractorStyle2* GetStyle() const override;
  bool IsRendering() const override;
  int GetCurrentIndex() const override;
  int GetHighestIndex() const override;
  // The axial filter, the followers' SetAxialIndex, then the slice's height
  // (index x slice spacing + volume origin z, mm) to the number overlay.
  void FanOut(int index) override;
  void PassKeyToController(UINT key, UINT repeat, UINT flags) override;
  bool MiddleAndWheelWhileOff() const override { return true; }

  // Drawing (tool 5) and editing (tool 6) the arch curve modify the project.
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnRButtonDown(UINT flags, CPoint point) override;
};
