#include "views/CCrossWnd.h"

BOOL CCrossWnd::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  return CWnd::Create(style | WS_VSCROLL, rect, parent, id);
}
