#pragma once
// Identifiers, styles and codes of the GUI layer under the names the
// program's Windows-born code uses. Only what the callers need.
#include <cstdint>

using UINT = unsigned int;
using BOOL = int;
using DWORD = uint32_t;
using INT_PTR = intptr_t;
using DWORD_PTR = uintptr_t;
using COLORREF = DWORD;
constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// A colour as 0x00BBGGRR.
constexpr COLORREF RGB(int red, int green, int blue) {
  return static_cast<COLORREF>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF color) { return static_cast<int>(color & 0xFF); }
constexpr int GetGValue(COLORREF color) { return static_cast<int>((color >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF color) { return static_cast<int>((color >> 16) & 0xFF); }

// Dialog results and framework command identifiers.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
// The identifier of labels: controls nobody addresses.
constexpr UINT IDC_STATIC = 0xFFFF;
constexpr UINT ID_SEPARATOR = 0;
constexpr UINT AFX_IDW_TOOLBAR = 0xE800;
constexpr UINT AFX_IDW_STATUS_BAR = 0xE801;
constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;
constexpr UINT ID_VIEW_TOOLBAR = AFX_IDW_TOOLBAR;
constexpr UINT ID_VIEW_STATUS_BAR = AFX_IDW_STATUS_BAR;
constexpr UINT AFX_IDS_IDLEMESSAGE = 0xE001;

// Window, control-bar and control styles.
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_VSCROLL = 0x00200000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD WS_EX_CLIENTEDGE = 0x00000200;
constexpr DWORD WS_EX_RIGHT = 0x00001000;
constexpr DWORD ES_RIGHT = 0x0002;
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD SS_CENTER = 0x0001;
constexpr DWORD SS_CENTERIMAGE = 0x0200;
constexpr DWORD UDS_ALIGNRIGHT = 0x0004;
constexpr DWORD CBS_DROPDOWNLIST = 0x0003;
constexpr DWORD CBS_OWNERDRAWVARIABLE = 0x0020;
constexpr DWORD CBS_SORT = 0x0100;
constexpr DWORD CBS_HASSTRINGS = 0x0200;
constexpr int CB_ERR = -1;
constexpr DWORD CBRS_ALIGN_LEFT = 0x1000;
constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
constexpr DWORD CBRS_ALIGN_RIGHT = 0x4000;
constexpr DWORD CBRS_ALIGN_BOTTOM = 0x8000;
constexpr DWORD CBRS_ALIGN_ANY = 0xF000;
constexpr DWORD TBSTYLE_FLAT = 0x0800;
constexpr UINT TBBS_BUTTON = 0x00;
constexpr UINT TBBS_SEPARATOR = 0x01;
constexpr UINT BTNS_DROPDOWN = 0x08;
constexpr UINT SBPS_NORMAL = 0x0000;
constexpr UINT SBPS_NOBORDERS = 0x0100;
constexpr UINT SBPS_STRETCH = 0x0800;
constexpr DWORD PBS_SMOOTH = 0x01;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD SS_LEFT = 0x0000;
constexpr DWORD SS_RIGHT = 0x0002;
constexpr DWORD SS_NOTIFY = 0x0100;
constexpr DWORD SS_SUNKEN = 0x1000;
constexpr DWORD ES_LEFT = 0x0000;
constexpr DWORD ES_CENTER = 0x0001;
constexpr DWORD ES_READONLY = 0x0800;
constexpr DWORD ES_NUMBER = 0x2000;
constexpr DWORD BS_DEFPUSHBUTTON = 0x0001;
constexpr DWORD TBS_NOTICKS = 0x0010;

// Show commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;
constexpr int SW_SHOWMAXIMIZED = 3;

// Scroll bars: the bar, the enable flags and the notification codes.
constexpr int SB_VERT = 1;
constexpr UINT ESB_ENABLE_BOTH = 0;
constexpr UINT ESB_DISABLE_BOTH = 3;
constexpr UINT SB_LINEUP = 0;
constexpr UINT SB_LINEDOWN = 1;
constexpr UINT SB_PAGEUP = 2;
constexpr UINT SB_PAGEDOWN = 3;
constexpr UINT SB_THUMBPOSITION = 4;
constexpr UINT SB_THUMBTRACK = 5;
constexpr UINT SB_TOP = 6;
constexpr UINT SB_BOTTOM = 7;
constexpr UINT SB_ENDSCROLL = 8;

// Button states (check boxes, radio buttons).
constexpr UINT BST_UNCHECKED = 0;
constexpr UINT BST_CHECKED = 1;

// Mouse-message flags.
constexpr UINT MK_LBUTTON = 0x0001;
constexpr UINT MK_RBUTTON = 0x0002;
constexpr UINT MK_SHIFT = 0x0004;
constexpr UINT MK_CONTROL = 0x0008;
constexpr UINT MK_MBUTTON = 0x0010;

// Virtual-key codes; letters and digits are their upper-case ASCII codes.
constexpr UINT VK_BACK = 0x08;
constexpr UINT VK_TAB = 0x09;
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_SHIFT = 0x10;
constexpr UINT VK_CONTROL = 0x11;
constexpr UINT VK_MENU = 0x12;
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_PRIOR = 0x21;
constexpr UINT VK_NEXT = 0x22;
constexpr UINT VK_END = 0x23;
constexpr UINT VK_HOME = 0x24;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;
constexpr UINT VK_INSERT = 0x2D;
constexpr UINT VK_DELETE = 0x2E;
constexpr UINT VK_F1 = 0x70;

// Pop-up menus.
constexpr UINT TPM_RIGHTALIGN = 0x0008;
constexpr UINT TPM_RETURNCMD = 0x0100;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;
