#pragma once
// A static text control over QLabel. SS_CENTER centres the text across,
// SS_CENTERIMAGE down the control (one line, else the text wraps from the
// top); WS_BORDER draws a thin frame.
#include "platform/gui/CWnd.h"

class CStatic : public CWnd {
public:
  using CWnd::Create;
  // Shown when `style` has WS_VISIBLE.
  BOOL Create(const CString& text, DWORD style, const CRect& rect, CWnd* parent, UINT id);

  void SetWindowText(const CString& text) override;
  CString GetWindowText() const override;
  void SetTextColor(COLORREF color);

protected:
  QWidget* CreateWidget(QWidget* parent) override;
};
