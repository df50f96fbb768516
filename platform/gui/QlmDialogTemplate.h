#pragma once
// A dialog laid out as a resource template: caption, client size and each
// control's rectangle in dialog units, which the dialog's font turns into
// pixels (see CDialog::MapDialogRect). A dialog class keeps its template in
// its own source file and hands it to CDialog:
//
//   const QlmDialogTemplate& ProfileTemplate() {
//     static const QlmDialogTemplate dialog{204, "Linha de Perfil Hounsfield", 316, 150, {
//         QlmDialogItem::Static(1153, {7, 7, 231, 136}, SS_SUNKEN | SS_NOTIFY),
//         QlmDialogItem::Label("Média:", {263, 16, 22, 8}),
//         QlmDialogItem::Edit(1151, {263, 24, 40, 14}, ES_READONLY),
//         QlmDialogItem::DefaultButton(IDOK, "Fechar", {259, 129, 50, 14})}};
//     return dialog;
//   }
//   CDialogProfile::CDialogProfile(CWnd* parent) : CDialog(ProfileTemplate(), parent) {}
//
// Controls are made in template order, which is also the tab order and the
// stacking order (a group box listed before its buttons lies under them).
#include <vector>

#include "platform/CString.h"
#include "platform/gui/QlmGuiConstants.h"

// x, y, width and height in dialog units: x / 4 and y / 8 of the dialog
// font's average character width and height.
struct QlmDialogRect {
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
};

enum class QlmControlKind {
  Static,
  Edit,
  PushButton,
  CheckBox,
  RadioButton,
  GroupBox,
  ListBox,
  Progress,
  Trackbar,
  ListView
};

// One control. Text follows the resource rules: "&x" underlines x and "&&"
// shows one ampersand.
struct QlmDialogItem {
  QlmControlKind Kind = QlmControlKind::Static;
  UINT ID = IDC_STATIC;
  CString Text;
  QlmDialogRect Rect;
  // WS_DISABLED, WS_BORDER (a thin frame), WS_GROUP and the kind's own
  // styles: SS_CENTER, SS_RIGHT, SS_SUNKEN, SS_NOTIFY (clicks reach the
  // dialog as command ID);
  // ES_CENTER, ES_RIGHT, ES_READONLY, ES_NUMBER (digits only), ES_PASSWORD
  // (masked, no copy, no drag), ES_MULTILINE (several lines, Enter starts a
  // new one; WS_VSCROLL adds the scroll bar);
  // LBS_SORT, LBS_NOTIFY (a double click reaches the dialog as command ID),
  // WS_VSCROLL;
  // BS_DEFPUSHBUTTON (Enter presses it); TBS_NOTICKS (a trackbar without
  // tick marks). A radio button with WS_GROUP starts a new group of
  // mutually exclusive buttons.
  DWORD Style = 0;

  // A static text without identifier.
  static QlmDialogItem Label(const CString& text, QlmDialogRect rect, DWORD style = SS_LEFT);
  // A static with an identifier: a text the dialog changes, or a picture
  // that a CWnd of the dialog subclasses.
  static QlmDialogItem Static(UINT id, QlmDialogRect rect, DWORD style = SS_LEFT, const CString& text = CString());
  // A bordered edit; Without(WS_BORDER) takes the border off.
  static QlmDialogItem Edit(UINT id, QlmDialogRect rect, DWORD style = ES_LEFT);
  static QlmDialogItem Button(UINT id, const CString& text, QlmDialogRect rect, DWORD style = 0);
  static QlmDialogItem DefaultButton(UINT id, const CString& text, QlmDialogRect rect, DWORD style = 0);
  static QlmDialogItem CheckBox(UINT id, const CString& text, QlmDialogRect rect, DWORD style = 0);
  static QlmDialogItem RadioButton(UINT id, const CString& text, QlmDialogRect rect, DWORD style = 0);
  static QlmDialogItem GroupBox(const CString& text, QlmDialogRect rect);
  // A single-selection list (see CListBox).
  static QlmDialogItem ListBox(UINT id, QlmDialogRect rect, DWORD style = WS_BORDER | WS_VSCROLL);
  // A progress bar from 0 to 100 (CProgressCtrl drives it).
  static QlmDialogItem Progress(UINT id, QlmDialogRect rect, DWORD style = 0);
  // A horizontal trackbar; CSliderCtrl subclasses it.
  static QlmDialogItem Trackbar(UINT id, QlmDialogRect rect, DWORD style = 0);
  // A read-only table of rows and columns (a report list view); CListCtrl subclasses it.
  static QlmDialogItem ListView(UINT id, QlmDialogRect rect, DWORD style = 0);

  // The item with `style` bits cleared.
  QlmDialogItem Without(DWORD style) const;
};

struct QlmDialogTemplate {
  // The resource identifier (CDialog::GetTemplateID).
  UINT ID = 0;
  CString Caption;
  // Client size in dialog units.
  int Width = 0;
  int Height = 0;
  std::vector<QlmDialogItem> Items;
  // Qt picks the nearest installed face for a name it does not have.
  CString FontName = "MS Sans Serif";
  int FontPoints = 8;
};
