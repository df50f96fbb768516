#pragma once
// Turns a dialog template (QlmDialogTemplate) into Qt widgets: the dialog's
// font and size, and one widget per control at its rectangle in pixels.
// Controls carry their identifier, so CWnd::FindControl finds them.
#include <QFont>
#include <functional>
#include <vector>

#include "platform/gui/CRect.h"
#include "platform/gui/QlmDialogTemplate.h"

class QWidget;

namespace QlmDialogBuilder {

// The template's face and point size, as Qt matches them.
QFont Font(const QlmDialogTemplate& dialogTemplate);

// The dialog base units of `font`: the average width of the 52 letters of the
// alphabet rounded to whole pixels, and the line height.
CSize BaseUnits(const QFont& font);

// `rect` in pixels with base units `units`: x and width times units.cx / 4,
// y and height times units.cy / 8, each rounded to the nearest pixel.
CRect ToPixels(const QlmDialogRect& rect, CSize units);

// Sets `dialog`'s font to the template's, fixes its size to the template's
// client size and makes the controls as its children. A click of a button,
// check box, radio button or notifying static, and a double click in a
// notifying list box, call `command` with the control's identifier.
void Build(const QlmDialogTemplate& dialogTemplate, QWidget* dialog, const std::function<void(UINT)>& command);

// A list box whose template asked for LBS_SORT.
bool IsSortedList(const QWidget* widget);

// The identifier a template gave `widget`; IDC_STATIC when none.
UINT ControlId(const QWidget* widget);

// The text of a control (a static's without the mnemonic marks, an edit's,
// a button's, a group box's title) or else the window title.
void SetText(QWidget* widget, const CString& text);
CString Text(const QWidget* widget);
// An edit takes at most `characters` characters from then on, a longer text
// in it cut to them; other controls are left alone.
void LimitText(QWidget* widget, int characters);

// Check boxes and radio buttons: BST_CHECKED or BST_UNCHECKED; other
// widgets ignore it and read as unchecked.
void SetCheck(QWidget* widget, UINT state);
UINT GetCheck(const QWidget* widget);

// The radio buttons of the group that `radio` belongs to, in template order;
// empty when `radio` is not a radio button.
std::vector<QWidget*> RadioGroup(QWidget* radio);

}  // namespace QlmDialogBuilder
