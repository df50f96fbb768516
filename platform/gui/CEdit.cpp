#include "platform/gui/CEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <algorithm>
#include <memory>

// Leaves to the edit's OnChar what it types (the window's event filter hands
// typed keys to OnChar before they get here) and routes every paste through it.
class QlmEditWidget : public QLineEdit {
public:
  QlmEditWidget(CEdit& owner, QWidget* parent) : QLineEdit(parent), Owner(owner) { this->setAcceptDrops(false); }

protected:
  void keyPressEvent(QKeyEvent* event) override {
    const UINT typed = CWnd::TypedCharacter(*event);
    if (typed == VK_BACK || typed >= 0x20) return;
    if (event->matches(QKeySequence::Paste)) {
      this->Owner.Paste();
      return;
    }
    QLineEdit::keyPressEvent(event);
  }

  void inputMethodEvent(QInputMethodEvent* event) override {
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&composing);
    this->Owner.Type(event->commitString());
  }

  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::MiddleButton) {
      this->Owner.Type(QApplication::clipboard()->text(QClipboard::Selection));
      return;
    }
    QLineEdit::mouseReleaseEvent(event);
  }

  void contextMenuEvent(QContextMenuEvent* event) override {
    std::unique_ptr<QMenu> menu(this->createStandardContextMenu());
    for (QAction* action : menu->actions()) {
      if (action->objectName() != "edit-paste") continue;
      QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
      QObject::connect(action, &QAction::triggered, [this] { this->Owner.Paste(); });
    }
    menu->exec(event->globalPos());
  }

private:
  CEdit& Owner;
};

namespace {
QLineEdit* LineEdit(const CWnd* window) { return static_cast<QLineEdit*>(window->GetSafeHwnd()); }
}  // namespace

BOOL CEdit::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  if (!CWnd::Create(style, rect, parent, id)) return FALSE;
  this->ShowWindow(style & WS_VISIBLE ? SW_SHOW : SW_HIDE);
  return TRUE;
}

BOOL CEdit::CreateEx(DWORD exStyle, DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  this->ExStyle = exStyle;
  return this->Create(style, rect, parent, id);
}

QWidget* CEdit::CreateWidget(QWidget* parent) {
  auto* edit = new QlmEditWidget(*this, parent);
  edit->setFrame(this->ExStyle & WS_EX_CLIENTEDGE);
  const bool right = (this->GetStyle() & ES_RIGHT) || (this->ExStyle & WS_EX_RIGHT);
  edit->setAlignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
  return edit;
}

void CEdit::SetWindowText(const CString& text) {
  if (QLineEdit* edit = LineEdit(this)) edit->setText(QString::fromStdString(text.Str()));
}

CString CEdit::GetWindowText() const {
  QLineEdit* edit = LineEdit(this);
  return edit ? CString(edit->text().toStdString()) : CString();
}

void CEdit::LimitText(int characters) {
  if (QLineEdit* edit = LineEdit(this)) edit->setMaxLength(characters > 0 ? characters : 32767);
}

void CEdit::SetRect(const CRect& rect) {
  QLineEdit* edit = LineEdit(this);
  if (!edit) return;
  CRect client;
  this->GetClientRect(&client);
  edit->setTextMargins(std::max(rect.left - client.left, 0), std::max(rect.top - client.top, 0),
                       std::max(client.right - rect.right, 0), std::max(client.bottom - rect.bottom, 0));
}

void CEdit::Paste() { this->Type(QApplication::clipboard()->text()); }

void CEdit::Type(const QString& text) {
  for (QChar character : text) this->OnChar(character.unicode(), 1, 0);
}

void CEdit::OnChar(UINT character, UINT, UINT) {
  QLineEdit* edit = LineEdit(this);
  if (!edit) return;
  if (character == VK_BACK) {
    edit->backspace();
  } else if (character >= 0x20 && character != 0x7F && !QChar::isSurrogate(character)) {
    edit->insert(QString(QChar(static_cast<char16_t>(character))));
  }
}
