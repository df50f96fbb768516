// Drawing of a report page's rectangle on the preview and on a printer.
#include <QPainter>
#include <algorithm>

#include "output/CQlmImplantTableSource.h"
#include "output/CQlmPrintRect.h"
#include "output/QlmImplantTableText.h"
#include "platform/gui/QlmTextOut.h"

namespace {

const QString FontFace = QStringLiteral("Times New Roman");
constexpr int PreviewPenWidth = 2;
constexpr int PrinterPenWidth = 12;
constexpr int PreviewTextTenths = 50;
constexpr int PreviewTableTenths = 55;

QColor ColourOf(uint32_t colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

// Each of red, green and blue reduced by 63 modulo 256: black gets a light grey border.
QColor BorderOf(uint32_t colour) {
  return QColor((colour - 63) & 0xFF, ((colour >> 8) - 63) & 0xFF, ((colour >> 16) - 63) & 0xFF);
}

// From corners (right and bottom outside); coordinates truncated toward zero.
QRect Corners(double left, double top, double right, double bottom) {
  const int l = static_cast<int>(left);
  const int t = static_cast<int>(top);
  return QRect(l, t, static_cast<int>(right) - l, static_cast<int>(bottom) - t);
}

QRect Area(const CRect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

void DrawFrame(QPainter& painter, const CRect& rect, uint32_t colour, int penWidth) {
  painter.setPen(QPen(BorderOf(colour), penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(ColourOf(colour));
  painter.drawRect(Area(rect));
}

void DrawImage(QPainter& painter, const QRect& target, const QImage& image) {
  if (target.width() <= 0 || target.height() <= 0) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, image);
}

// A picture cell on black. `sizeFactor` turns picture pixels into device pixels
// at its natural size; `margin` is the inset of the drawing (10 on screen).
// At true scale the natural size is centred and clipped to the inset area;
// otherwise it is fitted (reduced, never enlarged) and drawn into its box inset
// by `margin` at left and top and by twice that in width and height.
void DrawPictureCell(QPainter& painter, const CRect& rect, const QImage& image, bool trueScale, double sizeFactor,
                     double margin) {
  painter.fillRect(Area(rect), Qt::black);
  if (image.isNull() || sizeFactor <= 0) return;
  int width = static_cast<int>(image.width() * sizeFactor);
  int height = static_cast<int>(image.height() * sizeFactor);
  if (width <= 0 || height <= 0) return;
  if (trueScale) {
    const int x = rect.left + (rect.Width() - width) / 2;
    const int y = rect.top + (rect.Height() - height) / 2;
    painter.setClipRect(
        Corners(rect.left + margin, rect.top + margin, rect.right - 2 * margin, rect.bottom - 2 * margin));
    DrawImage(painter, QRect(x, y, width, height), image);
    return;
  }
  if (width > rect.Width() || height > rect.Height()) {
    const double fit = std::min(double(rect.Width()) / width, double(rect.Height()) / height);
    width = static_cast<int>(width * fit);
    height = static_cast<int>(height * fit);
  }
  const int x = rect.left + (rect.Width() - width) / 2;
  const int y = rect.top + (rect.Height() - height) / 2;
  DrawImage(painter,
            QRect(static_cast<int>(x + margin), static_cast<int>(y + margin), static_cast<int>(width - 2 * margin),
                  static_cast<int>(height - 2 * margin)),
            image);
}

// A picture stretched over the rectangle on white, from (left + inset, top + inset)
// with its width and height reduced by `shrink`.
void DrawStretchedCell(QPainter& painter, const CRect& rect, const QImage& image, double inset, double shrink) {
  painter.fillRect(Area(rect), Qt::white);
  if (image.isNull()) return;
  DrawImage(painter,
            QRect(static_cast<int>(rect.left + inset), static_cast<int>(rect.top + inset),
                  static_cast<int>(rect.Width() - shrink), static_cast<int>(rect.Height() - shrink)),
            image);
}

void DrawTextCell(QPainter& painter, const CRect& rect, const CString& text, int fontTenths, double margin) {
  painter.setFont(QlmTextOut::PointFont(FontFace, fontTenths));
  painter.setPen(Qt::black);
  QString lines = QString::fromStdString(text.Str());
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  painter.drawText(Corners(rect.left + margin, rect.top + margin, rect.right - margin, rect.bottom - margin),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, lines);
}

// The implant table: the header line at `header`, row i at rowX and rowY(i).
template <class RowY>
void DrawTableLines(QPainter& painter, const CQlmImplantTableSource* implants, QPoint header, int rowX, RowY rowY,
                    QString (*format)(int, const CQlmImplantTableSource::Row&)) {
  painter.setPen(Qt::black);
  QlmTextOut::TabbedTextOut(painter, header.x(), header.y(), QlmImplantTableText::HeaderLine());
  if (!implants) return;
  const int count = implants->GetImplantCount();
  for (int i = 0; i < count; ++i) {
    QlmTextOut::TabbedTextOut(painter, rowX, rowY(i), format(i, implants->GetImplantRow(i)));
  }
}

}  // namespace

void CQlmPrintRect::Draw(QPainter& painter) const {
  painter.save();
  DrawFrame(painter, this->rect, this->colour, PreviewPenWidth);
  const CRect& r = this->rect;
  switch (this->kind) {
    case Picture: {
      const double sizeFactor = this->trueScale ? this->scale / CapturePixelsPerMm : 1.0;
      DrawPictureCell(painter, r, this->bitmap.GetImage(), this->trueScale, sizeFactor, 10);
      break;
    }
    case Text:
      DrawTextCell(painter, r, this->text, PreviewTextTenths, 5);
      break;
    case StretchedPicture:
      DrawStretchedCell(painter, r, this->bitmap.GetImage(), 5, 8);
      break;
    case ImplantTable:
      painter.setFont(QlmTextOut::PointFont(FontFace, PreviewTableTenths));
      painter.setClipRect(Corners(r.left + 3, r.top + 2, r.right, r.bottom - 1));
      DrawTableLines(
          painter, this->implantSource, QPoint(r.left + 3, r.top + 2), r.left + 3,
          [&r](int i) { return r.top + 12 + 9 * i; }, QlmImplantTableText::PreviewRow);
      break;
    default:
      break;
  }
  painter.restore();
}

void CQlmPrintRect::Print(QPainter& painter, int dpi) const {
  // Printer pixels per capture pixel.
  const double x = dpi / 25.4 / CapturePixelsPerMm;
  const int fontTenths = static_cast<int>(90 * x);
  const double margin = 5 * x;
  painter.save();
  DrawFrame(painter, this->rect, this->colour, PrinterPenWidth);
  const CRect& r = this->rect;
  switch (this->kind) {
    case Picture:
      DrawPictureCell(painter, r, this->bitmap.GetImage(), this->trueScale, x, 10 * x);
      break;
    case Text:
      DrawTextCell(painter, r, this->text, fontTenths, margin);
      break;
    case StretchedPicture:
      DrawStretchedCell(painter, r, this->bitmap.GetImage(), margin, 10 * x);
      break;
    case ImplantTable: {
      painter.setFont(QlmTextOut::PointFont(FontFace, fontTenths));
      painter.setClipRect(Corners(r.left, r.top + margin, r.right, r.bottom - margin));
      const int top = static_cast<int>(r.top + margin);
      DrawTableLines(
          painter, this->implantSource, QPoint(static_cast<int>(r.left + margin), top),
          static_cast<int>(r.left + margin),
          [top, margin](int i) { return static_cast<int>(top + 3 * margin * (i + 1)); },
          QlmImplantTableText::PrinterRow);
      break;
    }
    default:
      break;
  }
  painter.restore();
}
