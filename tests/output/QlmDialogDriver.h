#pragma once
// Drives a template dialog from inside its modal hook: types into its
// controls, ticks its boxes and presses its buttons through Qt events.
#include <QAbstractButton>
#include <QTest>
#include <functional>

#include "QlmOpenDialog.h"
#include "platform/gui/CDialog.h"
#include "platform/gui/QlmDialogBuilder.h"

namespace QlmDialogDriver {

inline QWidget* Control(const CDialog& dialog, UINT id) { return dialog.FindControl(id); }

inline void Type(CDialog& dialog, UINT id, const char* text) { dialog.SetDlgItemText(id, text); }

inline void Press(const CDialog& dialog, UINT id) {
  QTest::mouseClick(qobject_cast<QAbstractButton*>(Control(dialog, id)), Qt::LeftButton);
}

// Runs `dialog` with `whileOpen` in place of the user; the result of DoModal.
inline INT_PTR RunDialog(CDialog& dialog, const std::function<void()>& whileOpen) {
  return QlmOpenDialog::Run(dialog, whileOpen);
}

}  // namespace QlmDialogDriver
