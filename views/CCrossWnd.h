#pragma once
// The cross-section view: the 3x3 window of nine sections, moved along the
// arch by its vertical scroll bar and the navigation keys (C2DViewWnd). Made
// by the main frame's splitter; its render-window wrapper paints it.
#include "views/C2DViewWnd.h"

class CQlmInteractorStyle29;

class CCrossWnd : public C2DViewWnd<CQlmInteractorStyle29> {
public:
  CCrossWnd();

protected:
  CQlmInteractorStyle29* GetStyle() const override;
  bool IsRendering() const override;
  int GetCurrentIndex() const override;
  // The cross-section filter's highest first section; -1 without an arch.
  int GetHighestIndex() const override;
  // The cross-section filter, the followers' SetCrossIndex, then the nine
  // section positions to the number overlay.
  void FanOut(int index) override;
  void PassKeyToController(UINT key, UINT repeat, UINT flags) override;
  // The nine numbers are written again.
  void BeforeScrollRenders() override;

private:
  void ShowSectionNumbers();
};
