#pragma once
// Mouse style of the 3x3 cross-section window: the event handling of
// CQlmInteractorStyle2D over CQlm2DInteractor9. Left and right presses first
// make the cell under the pointer the current cell; a right release never
// reaches the tool. Tools are called through CQlmCore::DispatchCrossViewEvent.
#include "views/CQlmInteractorStyle2D.h"

class CQlmInteractorStyle29 : public CQlmInteractorStyle2D<CQlm2DInteractor9> {
public:
  // The style with no core attached, or null when memory runs out.
  static CQlmInteractorStyle29* New();

  // Makes the cell that contains the display point (x, y) the current cell;
  // cell 4 in single-cell mode. A point exactly on a third line of the
  // window keeps the current cell.
  void SelectCell(int x, int y);

protected:
  CQlmInteractorStyle29() = default;

  void SelectCellUnderPointer(int x, int y) override { this->SelectCell(x, y); }
  bool CoreGetsRightRelease() const override { return false; }
};
