#include "libraries/QlmFlatComboWidget.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>

#include "libraries/CQlmFlatComboBox.h"

namespace {

// An entry: its text on one line, vertically centred, without background or
// selection mark; the height Qt proposes.
class SingleLineDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (!index.isValid() || index.row() >= index.model()->rowCount()) return;
    painter->save();
    painter->setFont(option.font);
    painter->setPen(option.palette.color(QPalette::Text));
    painter->drawText(option.rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, index.data().toString());
    painter->restore();
  }
};

// Top and left edges in `topLeft`, bottom and right edges in `bottomRight`.
void Draw3dRect(QPainter& painter, const QRect& rect, const QColor& topLeft, const QColor& bottomRight) {
  const int x = rect.x();
  const int y = rect.y();
  const int w = rect.width();
  const int h = rect.height();
  painter.fillRect(x, y, w - 1, 1, topLeft);
  painter.fillRect(x, y, 1, h - 1, topLeft);
  painter.fillRect(x + w - 1, y, 1, h, bottomRight);
  painter.fillRect(x, y + h - 1, w, 1, bottomRight);
}

bool IsAltCharacter(const QKeyEvent* key) {
  return (key->modifiers() & Qt::AltModifier) && !key->text().isEmpty() && key->text().front().isPrint();
}

}  // namespace

QlmFlatComboWidget::QlmFlatComboWidget(CQlmFlatComboBox& owner, QWidget* parent) : QComboBox(parent), Owner(owner) {
  this->setItemDelegate(new SingleLineDelegate(this));
  this->setAttribute(Qt::WA_Hover);
}

bool QlmFlatComboWidget::IsPointerOver() const { return this->Hovered; }

bool QlmFlatComboWidget::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::Enter:
    case QEvent::HoverEnter:
      this->Hovered = true;
      this->Owner.UpdateFrameState();
      break;
    case QEvent::Leave:
    case QEvent::HoverLeave:
      this->Hovered = false;
      this->Owner.UpdateFrameState();
      break;
    case QEvent::ShortcutOverride:
      // Alt+letter stays here (and does nothing) rather than opening a menu.
      if (IsAltCharacter(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
      }
      break;
    default:
      break;
  }
  return QComboBox::event(event);
}

void QlmFlatComboWidget::keyPressEvent(QKeyEvent* event) {
  if (IsAltCharacter(event)) return;
  QComboBox::keyPressEvent(event);
}

void QlmFlatComboWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    this->Owner.ButtonDown = true;
    this->Owner.UpdateFrameState();
  }
  QComboBox::mousePressEvent(event);
}

void QlmFlatComboWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) this->ReleaseButton();
  QComboBox::mouseReleaseEvent(event);
}

// The release that ends a click which dropped the list goes to the list.
void QlmFlatComboWidget::hidePopup() {
  QComboBox::hidePopup();
  this->ReleaseButton();
}

void QlmFlatComboWidget::ReleaseButton() {
  this->Owner.ButtonDown = false;
  this->Owner.UpdateFrameState();
}

void QlmFlatComboWidget::focusInEvent(QFocusEvent* event) {
  QComboBox::focusInEvent(event);
  this->Owner.UpdateFrameState();
}

void QlmFlatComboWidget::focusOutEvent(QFocusEvent* event) {
  QComboBox::focusOutEvent(event);
  this->Owner.UpdateFrameState();
}

void QlmFlatComboWidget::paintEvent(QPaintEvent* event) {
  QComboBox::paintEvent(event);
  QPainter painter(this);
  this->DrawFrame(painter);
}

void QlmFlatComboWidget::DrawFrame(QPainter& painter) const {
  const QPalette& colours = this->palette();
  const QColor highlight = colours.color(QPalette::Active, QPalette::Light);
  const QColor shadow = colours.color(QPalette::Active, QPalette::Dark);
  const QColor face = colours.color(QPalette::Active, QPalette::Button);
  const CQlmFlatComboBox::FrameState state = this->Owner.GetFrameState();
  const bool enabled = this->isEnabled();

  QRect rect = this->rect();
  if (state == CQlmFlatComboBox::Flat) {
    Draw3dRect(painter, rect, face, face);
  } else {
    Draw3dRect(painter, rect, shadow, highlight);
  }
  rect.adjust(1, 1, -1, -1);
  Draw3dRect(painter, rect, enabled ? face : highlight, enabled ? face : highlight);
  rect.adjust(1, 1, -1, -1);
  const int buttonWidth = this->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  rect.setLeft(rect.right() + 1 - buttonWidth);
  Draw3dRect(painter, rect, face, face);
  rect.adjust(1, 1, -1, -1);
  Draw3dRect(painter, rect, face, face);
  if (!enabled) return;
  rect.adjust(0, -1, 0, 1);
  switch (state) {
    case CQlmFlatComboBox::Flat:
      Draw3dRect(painter, rect, highlight, highlight);
      rect.setLeft(rect.left() - 1);
      Draw3dRect(painter, rect, highlight, highlight);
      break;
    case CQlmFlatComboBox::Raised:
      Draw3dRect(painter, rect, highlight, shadow);
      break;
    case CQlmFlatComboBox::Pressed:
      Draw3dRect(painter, rect.translated(1, 1), shadow, highlight);
      break;
  }
}
