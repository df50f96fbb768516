#include "views/CPanoramicWnd.h"

BOOL CPanoramicWnd::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  return CWnd::Create(style | WS_VSCROLL, rect, parent, id);
}
