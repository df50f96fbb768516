#pragma once
// One rectangle of a report page with its content: a frame filled with its
// colour and, by kind, a picture, a text or the implant table. Coordinates are
// pixels of the set it belongs to (preview or printer). Colours are 0x00BBGGRR.
//
// Record: role, kind, source, colour, text, trueScale, scale, reserved1,
// reserved2, then the corners as left, right, top, bottom, and the picture
// when the kind is 1 or 3.
#include <QImage>
#include <cstdint>

#include "output/CSerialBitmap.h"
#include "platform/CObject.h"
#include "platform/CString.h"
#include "platform/gui/CPoint.h"
#include "platform/gui/CRect.h"

class CQlmImplantTableSource;
class QPainter;

class CQlmPrintRect : public CObject {
public:
  // `role`: where the rectangle stands on the page.
  enum Role { ContentArea = 0, PageArea = 0, Header = 1, Footer = 2, Cell = 3, Outline = 4 };
  // `kind`: what it shows.
  enum Kind { Empty = 0, Picture = 1, Text = 2, StretchedPicture = 3, ImplantTable = 4 };
  // `source`: where a picture came from; NoSource for none.
  enum Source {
    NoSource = -1,
    Axial = 0,
    AxialTrueScale = 1,
    Cross = 2,
    CrossTrueScale = 3,
    Panoramic = 4,
    PanoramicTrueScale = 5,
    View3D = 6,
    PictureFile = 7,
  };
  // Pixels per millimetre of the patient in a view captured at true scale.
  static constexpr double CapturePixelsPerMm = 3.9368;
  // Smallest record: four ints, an empty text, trueScale, two floats, 8 bytes, four corners.
  static constexpr size_t MinimumRecordSize = 4 * 4 + 1 + 4 + 4 + 4 + 8 + 4 * 4;

  CQlmPrintRect() = default;

  void SetRect(int left, int top, int right, int bottom) { this->rect = CRect(left, top, right, bottom); }
  // Nonzero when `point` lies in `rect` (right and bottom edges outside).
  int PtInRect(const CPoint& point) const { return this->rect.PtInRect(point) ? 1 : 0; }
  // Shows `picture` (header, footer, picture file); bitmapHandle is unchanged.
  void AttachBitmap(const QImage& picture) { this->bitmap.Attach(picture); }
  // A view capture: kind Picture, kept as bitmapHandle and shown.
  void AttachCapture(const QImage& capture);
  CString GetText() const { return this->text; }

  // Draws on the preview: the frame and the content in preview pixels.
  void Draw(QPainter& painter) const;
  // Draws on a printer of `dpi` dots per inch.
  void Print(QPainter& painter, int dpi) const;

  void Serialize(CArchive& archive) override;

  CRect rect;
  int32_t role = Cell;
  int32_t kind = Empty;
  int32_t source = NoSource;
  uint32_t colour = 0xFFFFFF;
  CSerialBitmap bitmap;
  QImage bitmapHandle;
  CString text;
  int32_t trueScale = 0;
  // Preview pixels per millimetre of paper when the content was placed.
  float scale = -1.0f;
  float reserved1 = -1.0f;
  double reserved2 = 0;
  // The implant table's rows (kind ImplantTable); not owned, not stored.
  const CQlmImplantTableSource* implantSource = nullptr;

private:
  bool HasPicture() const { return this->kind == Picture || this->kind == StretchedPicture; }
};
