#pragma once
// A trackbar over a horizontal QSlider, made by Create or by a dialog
// template (then subclassed). The parent window hears of every move through
// OnHScroll with this control as the scroll bar: SB_LINEUP / SB_LINEDOWN
// (arrow keys), SB_PAGEUP / SB_PAGEDOWN (Page keys, a click beside the
// thumb), SB_TOP / SB_BOTTOM (Home, End), SB_THUMBTRACK while the thumb is
// dragged or the wheel turns, SB_THUMBPOSITION when a drag ends, and
// SB_ENDSCROLL when the key or the mouse button is released. The position
// has moved before the parent hears of it. SetPos tells nobody.
#include "platform/gui/CWnd.h"

class QSlider;

class CSliderCtrl : public CWnd {
public:
  // Shown when `style` has WS_VISIBLE.
  BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) override;

  // The position is kept within the new range.
  void SetRange(int minimum, int maximum, BOOL redraw = FALSE);
  int GetRangeMin() const;
  int GetRangeMax() const;
  // Clamped to the range.
  void SetPos(int position);
  int GetPos() const;
  // The step of a page (Page keys, a click beside the thumb) and of a line (arrow keys).
  int SetPageSize(int size);
  int SetLineSize(int size);

protected:
  QWidget* CreateWidget(QWidget* parent) override;
  void PreSubclassWindow() override;
  void OnLButtonUp(UINT flags, CPoint point) override;
  void OnKeyUp(UINT key, UINT repeat, UINT flags) override;

private:
  QSlider* Slider() const;
  void OnAction(int action);
  void Notify(UINT code);

  bool Dragged = false;
};
