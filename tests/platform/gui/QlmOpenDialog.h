#pragma once
// Runs a dialog through DoModal with an action in place of the user: the
// action runs inside the modal hook, while the dialog's widgets exist.
#include <functional>

#include "platform/gui/QlmGuiConstants.h"

class CDialog;

namespace QlmOpenDialog {

// What DoModal returns when the action did not end the dialog.
constexpr INT_PTR StillOpen = -5;

INT_PTR Run(CDialog& dialog, const std::function<void()>& whileOpen);

}  // namespace QlmOpenDialog
