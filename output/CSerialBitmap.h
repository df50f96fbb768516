#pragma once
// A picture that stores itself in an archive: the description (type, width,
// height, bytes per row, planes, bits per pixel), then height x bytes-per-row
// bytes of rows, top row first. Written as 32 bits per pixel, bytes B, G, R, 0;
// 24-bit (B, G, R) and 32-bit records are read.
//
// Reading checks the description before it allocates anything: width and
// height above 0, one plane, 24 or 32 bits per pixel, rows long enough for the
// width, and a block within the bytes left; otherwise CArchiveException. A
// record of width and height 0 holds no picture (what an empty bitmap stores).
#include <QImage>
#include <cstdint>

#include "platform/CObject.h"

class CSerialBitmap : public CObject {
public:
  CSerialBitmap() = default;

  // The attached picture; a null image when there is none.
  const QImage& GetImage() const { return this->Image; }
  bool IsEmpty() const { return this->Image.isNull(); }
  // Shares `image` (a null image detaches).
  void Attach(const QImage& image) { this->Image = image; }
  void Detach() { this->Image = QImage(); }

  // Loading replaces the picture and fills the description fields below.
  void Serialize(CArchive& archive) override;

  // The description of the picture read last; zero before any load.
  int32_t bmType = 0;
  int32_t bmWidth = 0;
  int32_t bmHeight = 0;
  int32_t bmWidthBytes = 0;
  uint16_t bmPlanes = 0;
  uint16_t bmBitsPixel = 0;

private:
  void Store(CArchive& archive) const;
  void Load(CArchive& archive);

  QImage Image;
};
