#include "views/CQlmZoomRectangle.h"

#include <QRubberBand>
#include <QWidget>

CQlmZoomRectangle::~CQlmZoomRectangle() { delete this->Band; }

void CQlmZoomRectangle::Show(QWidget* host, const QRect& rect) {
  if (!host) return;
  if (!this->Band || this->Band->parentWidget() != host) {
    delete this->Band;
    this->Band = new QRubberBand(QRubberBand::Rectangle, host);
  }
  this->Band->setGeometry(rect);
  this->Band->show();
}

void CQlmZoomRectangle::Hide() {
  if (this->Band) this->Band->hide();
}
