#pragma once
// An up-down control: two small arrow buttons, one over the other. A click
// moves the position by one within the range (the up arrow towards the upper
// end) and tells the parent window through OnVScroll: SB_THUMBPOSITION with
// the new position, then SB_ENDSCROLL, each with this control as the
// scroll bar. With UDS_ALIGNRIGHT, SetBuddy puts the arrows at the buddy's
// right edge, inside its former width.
#include "platform/gui/CWnd.h"

class CSpinButtonCtrl : public CWnd {
public:
  static constexpr int Width = 16;

  // Shown when `style` has WS_VISIBLE.
  BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) override;

  // Returns the previous buddy.
  CWnd* SetBuddy(CWnd* buddy);
  CWnd* GetBuddy() const { return this->Buddy; }
  void SetRange(int lower, int upper);
  void GetRange(int& lower, int& upper) const;
  // Clamped to the range; returns the previous position.
  int SetPos(int position);
  int GetPos() const { return this->Position; }

protected:
  QWidget* CreateWidget(QWidget* parent) override;

private:
  void Step(int direction);

  CWnd* Buddy = nullptr;
  int Lower = 0;
  int Upper = 100;
  int Position = 0;
};
