#include "output/CSerialBitmap.h"

#include <cstring>
#include <vector>

#include "platform/CArchive.h"

namespace {

constexpr int32_t StoredBitsPerPixel = 32;

void Refuse(const char* why) { throw CArchiveException(CArchiveException::badIndex, why); }

// Writes one row of an RGB32 image as B, G, R, 0.
void StoreRow(CArchive& archive, const uchar* row, int width, std::vector<uint8_t>& buffer) {
  std::memcpy(buffer.data(), row, buffer.size());
  for (int x = 0; x < width; ++x) buffer[4 * x + 3] = 0;
  archive.Write(buffer.data(), buffer.size());
}

}  // namespace

void CSerialBitmap::Serialize(CArchive& archive) {
  if (archive.IsStoring()) {
    this->Store(archive);
  } else {
    this->Load(archive);
  }
}

void CSerialBitmap::Store(CArchive& archive) const {
  const QImage image = this->Image.isNull() ? QImage() : this->Image.convertToFormat(QImage::Format_RGB32);
  const int32_t width = image.width();
  const int32_t height = image.height();
  const int32_t widthBytes = width * 4;
  archive << int32_t(0) << width << height << widthBytes << uint16_t(1) << uint16_t(StoredBitsPerPixel);
  std::vector<uint8_t> row(static_cast<size_t>(widthBytes));
  for (int y = 0; y < height; ++y) StoreRow(archive, image.constScanLine(y), width, row);
}

void CSerialBitmap::Load(CArchive& archive) {
  archive >> this->bmType >> this->bmWidth >> this->bmHeight >> this->bmWidthBytes >> this->bmPlanes >>
      this->bmBitsPixel;
  if (this->bmWidth == 0 && this->bmHeight == 0) {
    this->Image = QImage();
    return;
  }
  if (this->bmWidth <= 0 || this->bmHeight <= 0) Refuse("picture without pixels");
  if (this->bmPlanes != 1) Refuse("picture of more than one plane");
  if (this->bmBitsPixel != 24 && this->bmBitsPixel != 32) Refuse("picture of an unsupported depth");
  const int64_t bytesPerPixel = this->bmBitsPixel / 8;
  if (this->bmWidthBytes < this->bmWidth * bytesPerPixel) Refuse("picture rows shorter than its width");
  const uint64_t blockSize = uint64_t(this->bmHeight) * uint64_t(this->bmWidthBytes);
  if (blockSize > archive.GetBytesLeft()) {
    throw CArchiveException(CArchiveException::endOfFile, "picture longer than the data left");
  }

  QImage image(this->bmWidth, this->bmHeight, QImage::Format_RGB32);
  if (image.isNull()) Refuse("picture too large");
  std::vector<uint8_t> row(static_cast<size_t>(this->bmWidthBytes));
  for (int y = 0; y < this->bmHeight; ++y) {
    archive.ReadExact(row.data(), row.size());
    auto* pixels = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < this->bmWidth; ++x) {
      const uint8_t* bgr = row.data() + x * bytesPerPixel;
      pixels[x] = qRgb(bgr[2], bgr[1], bgr[0]);
    }
  }
  this->Image = image;
}
