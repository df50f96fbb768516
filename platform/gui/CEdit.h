#pragma once
// A one-line edit control over QLineEdit. Everything that puts text into it
// as the user (typing, pasting by key, menu or middle button, an input
// method) passes one character at a time through OnChar, whose default
// inserts it at the cursor (a backspace deletes before it; control
// characters and characters outside the basic plane are dropped): a subclass
// filters the text by not passing a character on. Drops are not accepted.
// An edit of a dialog template becomes one through SubclassDlgItem or
// DDX_Control. Styles as QlmEditWidget::ApplyStyle says.
#include "platform/gui/CWnd.h"

class CEdit : public CWnd {
public:
  // Shown when `style` has WS_VISIBLE.
  BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) override;
  BOOL CreateEx(DWORD exStyle, DWORD style, const CRect& rect, CWnd* parent, UINT id);

  void SetWindowText(const CString& text) override;
  CString GetWindowText() const override;
  // A read-only edit takes nothing from the user; the program still sets its text.
  BOOL SetReadOnly(BOOL readOnly = TRUE);
  // At most `characters` characters; 0 for no limit.
  void LimitText(int characters);
  // The area the text is drawn in, in client coordinates (within the client rectangle).
  void SetRect(const CRect& rect);
  // The clipboard's text, character by character through OnChar.
  void Paste();

protected:
  QWidget* CreateWidget(QWidget* parent) override;
  void OnChar(UINT character, UINT repeat, UINT flags) override;

private:
  friend class QlmEditWidget;
  void Type(const QString& text);

  DWORD ExStyle = 0;
};
