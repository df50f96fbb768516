#pragma once
// The widget of an edit control, made by CEdit::Create or by a dialog
// template. While a CEdit owns it, what the user puts in (typing, pasting by
// key, menu or middle button, an input method) goes to that CEdit's OnChar
// one character at a time; without one (a template's edit nobody subclassed)
// it edits as a plain line edit. Drops are not accepted.
#include <QLineEdit>

#include "platform/gui/QlmGuiConstants.h"

class CEdit;

class QlmEditWidget : public QLineEdit {
public:
  explicit QlmEditWidget(QWidget* parent);

  // Frame for WS_BORDER or WS_EX_CLIENTEDGE; centred for ES_CENTER, right-aligned
  // for ES_RIGHT or WS_EX_RIGHT; ES_READONLY refuses edits on a grey ground;
  // ES_NUMBER takes digits only; ES_PASSWORD masks the text.
  void ApplyStyle(DWORD style, DWORD exStyle);

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

private:
  // The edit control that owns this widget, or null.
  CEdit* Owner() const;
};
