#pragma once
// A read-only table of the angles between the axes of every two implants of
// the project whose diameters both exceed 3 mm, with the pair of the largest
// angle in a summary edit. Built once, at its first paint; a modal dialog
// keeps the implants from changing meanwhile.
#include "platform/gui/CEdit.h"
#include "platform/gui/CListCtrl.h"

class CQlmImplants;

class CListImplantsAngle : public CListCtrl {
public:
  // Rows "    01 x 02" (implant numbers below 10 written with a leading
  // zero, the first one also after four spaces) with "12.5°"; the summary
  // shows the largest one's label and angle, two spaces apart, or just the
  // two spaces when no pair is listed.
  void FillList();

  // The implants compared; not owned, set by the dialog before the first paint.
  CQlmImplants* Implants = nullptr;
  // 0: the implants' placement axes; 1: their connector axes.
  int Conector = 0;
  // The dialog's read-only edit for the largest angle (DDX_Control).
  CEdit Summary;

protected:
  // The first paint makes the columns and the rows.
  void OnCustomDraw() override;

private:
  int FirstPaint = 1;
};
