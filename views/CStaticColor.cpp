#include "views/CStaticColor.h"

#include <QFrame>
#include <QPainter>
#include <QWidget>
#include <cmath>
#include <limits>

namespace {

// The whole part's low 8 bits; 0 for what no int holds.
int Component(float value) {
  const bool representable = std::isfinite(value) && value > static_cast<float>(std::numeric_limits<int>::min()) &&
                             value < static_cast<float>(std::numeric_limits<int>::max());
  return representable ? static_cast<int>(value) & 0xFF : 0;
}

}  // namespace

void CStaticColor::SetColor(float r, float g, float b) {
  this->Red = r;
  this->Green = g;
  this->Blue = b;
  this->Invalidate(TRUE);
}

// A sunken swatch keeps its edge: the colour fills the area inside it.
void CStaticColor::OnPaint() {
  QWidget* widget = this->GetSafeHwnd();
  if (!widget->isEnabled()) return;
  const auto* frame = qobject_cast<const QFrame*>(widget);
  QPainter painter(widget);
  painter.fillRect(frame ? frame->contentsRect() : widget->rect(),
                   QColor(Component(this->Red), Component(this->Green), Component(this->Blue)));
}
