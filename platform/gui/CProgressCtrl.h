#pragma once
// A progress bar control over QProgressBar (PBS_SMOOTH: a plain bar without text).
#include "platform/gui/CWnd.h"

class CProgressCtrl : public CWnd {
public:
  CProgressCtrl() = default;

  void SetRange32(int lower, int upper);
  void GetRange(int& lower, int& upper) const;
  // Clamped to the range; returns the previous position.
  int SetPos(int position);
  int GetPos() const;
  // Returns the previous step.
  int SetStep(int step);
  // Advances by the step (wrapping to the start past the end); returns the previous position.
  int StepIt();

protected:
  QWidget* CreateWidget(QWidget* parent) override;

private:
  int Step = 10;
};
