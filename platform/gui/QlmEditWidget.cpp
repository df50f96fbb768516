#include "platform/gui/QlmEditWidget.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QRegularExpressionValidator>
#include <memory>

#include "platform/gui/CEdit.h"
#include "platform/gui/QlmControlStyles.h"

QlmEditWidget::QlmEditWidget(QWidget* parent) : QLineEdit(parent) { this->setAcceptDrops(false); }

void QlmEditWidget::ApplyStyle(DWORD style, DWORD exStyle) {
  this->setFrame((style & WS_BORDER) || (exStyle & WS_EX_CLIENTEDGE));
  Qt::Alignment alignment = Qt::AlignLeft;
  if (style & ES_CENTER) alignment = Qt::AlignHCenter;
  if ((style & ES_RIGHT) || (exStyle & WS_EX_RIGHT)) alignment = Qt::AlignRight;
  this->setAlignment(alignment | Qt::AlignVCenter);
  if (style & ES_READONLY) {
    this->setReadOnly(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    this->setPalette(palette);
  }
  if (style & ES_PASSWORD) {
    // Qt refuses copy, cut and drag of a password field.
    this->setEchoMode(QLineEdit::Password);
    this->setDragEnabled(false);
  }
  if (style & ES_NUMBER) this->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this));
}

CEdit* QlmEditWidget::Owner() const { return dynamic_cast<CEdit*>(CWnd::FromHandlePermanent(this)); }

// The owner's window has handed typed characters to OnChar before the key gets here.
void QlmEditWidget::keyPressEvent(QKeyEvent* event) {
  if (CEdit* owner = this->Owner()) {
    const UINT typed = CWnd::TypedCharacter(*event);
    if (typed == VK_BACK || typed >= 0x20) return;
    if (event->matches(QKeySequence::Paste)) {
      owner->Paste();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void QlmEditWidget::inputMethodEvent(QInputMethodEvent* event) {
  CEdit* owner = this->Owner();
  if (!owner) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  QInputMethodEvent composing(event->preeditString(), event->attributes());
  QLineEdit::inputMethodEvent(&composing);
  owner->Type(event->commitString());
}

void QlmEditWidget::mouseReleaseEvent(QMouseEvent* event) {
  CEdit* owner = this->Owner();
  if (owner && event->button() == Qt::MiddleButton) {
    owner->Type(QApplication::clipboard()->text(QClipboard::Selection));
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void QlmEditWidget::contextMenuEvent(QContextMenuEvent* event) {
  std::unique_ptr<QMenu> menu(this->createStandardContextMenu());
  if (CEdit* owner = this->Owner()) {
    for (QAction* action : menu->actions()) {
      if (action->objectName() != "edit-paste") continue;
      QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
      QObject::connect(action, &QAction::triggered, [owner] { owner->Paste(); });
    }
  }
  menu->exec(event->globalPos());
}
