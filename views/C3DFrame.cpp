#include "views/C3DFrame.h"

int C3DFrame::OnCreate() {
  if (CFrameWnd::OnCreate() == -1) return -1;
  return this->View.Create(0, CRect(), this, AFX_IDW_PANE_FIRST) ? 0 : -1;
}
