#include "output/CQlmPrintTemplate.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <vector>

#include "platform/CArchive.h"
#include "platform/QlmPath.h"

namespace {

// Screen height used when there is no screen.
constexpr int DefaultScreenHeight = 768;

// Loads a Windows bitmap file into `rect` (kept as it was when the file does
// not load) and makes it a picture file stretched over the rectangle.
void LoadPictureFile(CQlmPrintRect& rect, const CString& path) {
  QImage picture;
  if (!path.IsEmpty() && picture.load(QString::fromStdString(QlmPath::ToNative(path.Str())), "BMP")) {
    rect.AttachBitmap(picture);
  }
  rect.kind = CQlmPrintRect::StretchedPicture;
  rect.source = CQlmPrintRect::PictureFile;
}

void Place(CQlmPrintRect& rect, int left, int top, int right, int bottom, int role, uint32_t colour) {
  rect.SetRect(left, top, right, bottom);
  rect.role = role;
  rect.colour = colour;
}

// The cells of `layout` in list order over the band (L, T) - (R, B); the last
// row always reaches B, so the rounding of the divisions is absorbed there.
std::vector<CRect> CellRects(int layout, int L, int T, int R, int B) {
  const int D = B - T, M = (L + R) / 2;
  const int q = D / 4, e = T + q, f = T + 2 * q, g = f + q;
  const int t = D / 3, h = T + t, l = T + 2 * t;
  const int m = T + D / 2;
  const int p = D / 5, p1 = T + p, p2 = T + 2 * p, p3 = T + 3 * p, p4 = T + 4 * p;
  switch (layout) {
    case 1:
      return {{L, T, R, B}};
    case 2:
      return {{L, T, R, m}, {L, m, R, B}};
    case 3:
      return {{L, T, R, m}, {L, m, M, B}, {M, m, R, B}};
    case 4:
      return {{L, T, M, m}, {M, T, R, m}, {L, m, M, B}, {M, m, R, B}};
    case 5:
      return {{L, T, R, h}, {L, h, M, l}, {M, h, R, l}, {L, l, M, B}, {M, l, R, B}};
    case 6:
      return {{L, T, M, h}, {M, T, R, h}, {L, h, M, l}, {M, h, R, l}, {L, l, M, B}, {M, l, R, B}};
    case 7:
      return {{L, T, R, e}, {L, e, M, f}, {M, e, R, f}, {L, f, M, g}, {M, f, R, g}, {L, g, M, B}, {M, g, R, B}};
    case 8:
      return {{L, T, M, e}, {M, T, R, e}, {L, e, M, f}, {M, e, R, f},
              {L, f, M, g}, {M, f, R, g}, {L, g, M, B}, {M, g, R, B}};
    case 9:
      return {{L, T, R, p1},  {L, p1, M, p2}, {M, p1, R, p2}, {L, p2, M, p3}, {M, p2, R, p3},
              {L, p3, M, p4}, {M, p3, R, p4}, {L, p4, M, B},  {M, p4, R, B}};
    default:
      return {};
  }
}

// A header's or footer's picture, text, kind and source.
void CopyHeadingContent(CQlmPrintRect& to, const CQlmPrintRect& from) {
  to.bitmap.Attach(from.bitmap.GetImage());
  to.text = from.text;
  to.kind = from.kind;
  to.source = from.source;
}

}  // namespace

CQlmPrintTemplate::CQlmPrintTemplate() : area(0, 0, 10, 10) {}

void CQlmPrintTemplate::SetColor(uint32_t newColour) {
  this->colour = newColour;
  this->contentArea.colour = newColour;
  this->header.colour = newColour;
  this->footer.colour = newColour;
  this->cells.ForEach([newColour](CQlmPrintRect& cell) { cell.colour = newColour; });
}

CQlmPrintRect* CQlmPrintTemplate::HitTest(const CPoint& point) {
  CQlmPrintRect* hit = nullptr;
  this->cells.ForEach([&](CQlmPrintRect& cell) {
    if (!hit && cell.PtInRect(point)) hit = &cell;
  });
  if (hit) return hit;
  if (this->footer.PtInRect(point)) return &this->footer;
  if (this->header.PtInRect(point)) return &this->header;
  return nullptr;
}

void CQlmPrintTemplate::LayoutPreview() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  this->LayoutPreview(screen ? screen->geometry().height() : DefaultScreenHeight);
}

void CQlmPrintTemplate::LayoutPreview(int screenHeight) {
  const float height = static_cast<float>(this->area.Height());
  const int width = static_cast<int>(this->paperRatio * height);
  const int left = (this->area.Width() - width) / 2;
  const int gap = static_cast<int>(screenHeight / 33.13);
  const int inset = static_cast<int>(screenHeight / 26.6);
  Place(this->outline, left, gap, left + width, static_cast<int>(height) - gap, CQlmPrintRect::Outline,
        this->outline.colour);
  this->outline.rect.DeflateRect(inset, inset);

  const CRect& o = this->outline.rect;
  const float s = this->scale;
  Place(this->contentArea, static_cast<int>(o.left + 15 * s), static_cast<int>(o.top + 15 * s),
        static_cast<int>(o.right - 15 * s), static_cast<int>(o.bottom - 20 * s), CQlmPrintRect::ContentArea,
        this->contentArea.colour);

  // Header and footer heights are fractions of the bottom coordinate, not of the height.
  const CRect& q = this->contentArea.rect;
  Place(this->header, q.left, q.top, q.right, q.top + q.bottom / 10, CQlmPrintRect::Header, this->colour);
  LoadPictureFile(this->header, this->headerPath);
  Place(this->footer, q.left, q.bottom - q.bottom / 15, q.right, q.bottom, CQlmPrintRect::Footer, this->colour);
  LoadPictureFile(this->footer, this->footerPath);

  this->cells.RemoveAll();
  this->LayoutCells(this->cells, q.left, q.top + q.bottom / 10, q.right, q.bottom - q.bottom / 15);
}

void CQlmPrintTemplate::LayoutPrintSet(const CPoint& topLeft, const CPoint& bottomRight) {
  const int left = topLeft.x, top = topLeft.y, right = bottomRight.x, bottom = bottomRight.y;
  Place(this->printPage, left, top, right, bottom, CQlmPrintRect::PageArea, this->printPage.colour);
  Place(this->printHeader, left, top, right, top + bottom / 10, CQlmPrintRect::Header, this->colour);
  Place(this->printFooter, left, bottom - bottom / 15, right, bottom, CQlmPrintRect::Footer, this->colour);
  this->printCells.RemoveAll();
  this->LayoutCells(this->printCells, left, top + bottom / 10, right, bottom - bottom / 15);
}

void CQlmPrintTemplate::LayoutPrint(const CPoint& topLeft, const CPoint& bottomRight,
                                    const CQlmImplantTableSource* implants) {
  this->LayoutPrintSet(topLeft, bottomRight);
  LoadPictureFile(this->printHeader, this->headerPath);
  LoadPictureFile(this->printFooter, this->footerPath);
  const int views[] = {CQlmPrintRect::Panoramic, CQlmPrintRect::Cross, CQlmPrintRect::Axial, CQlmPrintRect::View3D};
  for (int i = 0; i < 4; ++i) {
    if (CQlmPrintRect* cell = this->printCells.GetAt(i)) {
      cell->kind = CQlmPrintRect::Picture;
      cell->trueScale = 0;
      cell->source = views[i];
    }
  }
  if (CQlmPrintRect* cell = this->printCells.GetAt(4)) {
    cell->kind = CQlmPrintRect::ImplantTable;
    cell->implantSource = implants;
  }
}

void CQlmPrintTemplate::CopyPreviewToPrint(const CPoint& topLeft, const CPoint& bottomRight) {
  this->LayoutPrintSet(topLeft, bottomRight);
  CopyHeadingContent(this->printHeader, this->header);
  CopyHeadingContent(this->printFooter, this->footer);
  // A stored template may hold fewer cells than its layout makes.
  for (int i = 0; i < this->printCells.GetCount(); ++i) {
    const CQlmPrintRect* from = this->cells.GetAt(i);
    if (!from) break;
    CQlmPrintRect& to = *this->printCells.GetAt(i);
    to.text = from->text;
    to.implantSource = from->implantSource;
    to.kind = from->kind;
    to.trueScale = from->trueScale;
    to.source = from->source;
    to.bitmapHandle = from->bitmapHandle;
    to.bitmap.Attach(to.bitmapHandle);
  }
}

void CQlmPrintTemplate::DrawPreview(QPainter& painter) const {
  for (const CQlmPrintRect* rect : {&this->outline, &this->contentArea, &this->header, &this->footer}) {
    rect->Draw(painter);
  }
  this->cells.ForEach([&painter](const CQlmPrintRect& cell) { cell.Draw(painter); });
}

void CQlmPrintTemplate::DrawPrint(QPainter& painter, int dpi) const {
  for (const CQlmPrintRect* rect : {&this->printPage, &this->printHeader, &this->printFooter}) {
    rect->Print(painter, dpi);
  }
  this->printCells.ForEach([&painter, dpi](const CQlmPrintRect& cell) { cell.Print(painter, dpi); });
}

void CQlmPrintTemplate::LayoutCells(CQlmPrintRectList& list, int left, int top, int right, int bottom) const {
  for (const CRect& cell : CellRects(this->layout, left, top, right, bottom)) {
    Place(*list.AddNew(), cell.left, cell.top, cell.right, cell.bottom, CQlmPrintRect::Cell, this->colour);
  }
}

void CQlmPrintTemplate::Serialize(CArchive& archive) {
  if (archive.IsStoring()) {
    archive << this->layout << this->name << this->paperRatio << this->colour;
  } else {
    archive >> this->layout >> this->name >> this->paperRatio >> this->colour;
  }
  this->outline.Serialize(archive);
  this->contentArea.Serialize(archive);
  this->header.Serialize(archive);
  this->footer.Serialize(archive);
  this->cells.Serialize(archive);
}
