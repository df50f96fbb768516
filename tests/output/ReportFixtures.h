#pragma once
// Little-endian byte records, pictures and implants for the report page and file tests.
#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

#include "output/CQlmImplantTableSource.h"

class CObject;
class CQlmPrintPreview;

namespace ReportFixtures {

using Bytes = std::vector<uint8_t>;

// A little-endian record built value by value, as the Parts' tables list them.
class Record {
public:
  Record& Int(int32_t value) { return this->Raw(&value, 4); }
  Record& Word(uint16_t value) { return this->Raw(&value, 2); }
  Record& Float(float value) { return this->Raw(&value, 4); }
  Record& Double(double value) { return this->Raw(&value, 8); }
  // A short archive string: a length byte, then the bytes as given (Windows-1252).
  Record& Text(const std::string& bytes);
  // A picture's description: type 0, then the given fields.
  Record& Description(int32_t width, int32_t height, int32_t widthBytes, uint16_t planes = 1,
                      uint16_t bitsPerPixel = 32) {
    return this->Int(0).Int(width).Int(height).Int(widthBytes).Word(planes).Word(bitsPerPixel);
  }
  // Left, right, top, bottom: the order rectangles are stored in.
  Record& Corners(int32_t left, int32_t top, int32_t right, int32_t bottom);
  Record& Append(const Bytes& more);
  Record& Raw(const void* data, size_t size);

  Bytes Data;
};

// What Serialize writes for `object`.
Bytes Serialized(CObject& object);
// `bytes` with the int32 at `offset` replaced by `value`.
Bytes Poked(Bytes bytes, size_t offset, int32_t value);
// Serialize loads `object` from the bytes; exceptions pass through. Returns
// the number of bytes left unread.
size_t Deserialize(const Bytes& bytes, CObject& object);

// A picture filled with `fill`; `mark` over the square of `markSize` pixels at its centre.
QImage Picture(int width, int height, QRgb fill, QRgb mark = 0, int markSize = 0);

// Implant values for the table, row by row.
class FixtureImplants : public CQlmImplantTableSource {
public:
  explicit FixtureImplants(std::vector<Row> rows) : Rows(std::move(rows)) {}
  int GetImplantCount() const override { return static_cast<int>(this->Rows.size()); }
  Row GetImplantRow(int index) const override { return this->Rows.at(static_cast<size_t>(index)); }

  std::vector<Row> Rows;
};

// Twelve implants: diameter 3.75, length 8.5 + 1.5 i, connector height 2, angle 12 + 8 i.
FixtureImplants TwelveImplants();

// A report as a user leaves it: the preview opened, two templates (layout 5
// with a text, a 32-bit capture and an implant table; layout 2 in another
// colour with a text), the second one current.
void FillReport(CQlmPrintPreview& report);

}  // namespace ReportFixtures
