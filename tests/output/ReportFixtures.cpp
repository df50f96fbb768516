#include "ReportFixtures.h"

#include <QPainter>
#include <cstring>

#include "output/CQlmPrintPreview.h"
#include "platform/CArchive.h"
#include "platform/CMemFile.h"
#include "platform/CObject.h"

namespace ReportFixtures {

Record& Record::Text(const std::string& bytes) {
  this->Data.push_back(static_cast<uint8_t>(bytes.size()));
  return this->Raw(bytes.data(), bytes.size());
}

Record& Record::Corners(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  return this->Int(left).Int(right).Int(top).Int(bottom);
}

Record& Record::Append(const Bytes& more) { return this->Raw(more.data(), more.size()); }

Record& Record::Raw(const void* data, size_t size) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  this->Data.insert(this->Data.end(), bytes, bytes + size);
  return *this;
}

Bytes Serialized(CObject& object) {
  CMemFile file;
  CArchive archive(&file, CArchive::store);
  object.Serialize(archive);
  archive.Close();
  return file.Data();
}

Bytes Poked(Bytes bytes, size_t offset, int32_t value) {
  std::memcpy(bytes.data() + offset, &value, sizeof value);
  return bytes;
}

size_t Deserialize(const Bytes& bytes, CObject& object) {
  CMemFile file(bytes);
  CArchive archive(&file, CArchive::load);
  object.Serialize(archive);
  return static_cast<size_t>(archive.GetBytesLeft());
}

QImage Picture(int width, int height, QRgb fill, QRgb mark, int markSize) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(fill);
  if (markSize > 0) {
    QPainter painter(&picture);
    painter.fillRect((width - markSize) / 2, (height - markSize) / 2, markSize, markSize, QColor::fromRgb(mark));
  }
  return picture;
}

FixtureImplants TwelveImplants() {
  std::vector<CQlmImplantTableSource::Row> rows;
  for (int i = 0; i < 12; ++i) rows.push_back({3.75f, 8.5f + 1.5f * i, 2.0f, 12.0f + 8.0f * i});
  return FixtureImplants(rows);
}

void FillReport(CQlmPrintPreview& report) {
  report.previewOpened = 1;
  CQlmPrintTemplate& first = *report.templates.AddNew();
  first.SetArea(0, 0, 800, 600);
  first.scale = 2;
  first.LayoutPreview(768);
  first.cells.GetAt(0)->kind = CQlmPrintRect::Text;
  first.cells.GetAt(0)->text = "Paciente: Conceição\r\nImplantes na maxila";
  first.cells.GetAt(0)->scale = 2;
  QImage capture(16, 12, QImage::Format_RGB32);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 16; ++x) capture.setPixel(x, y, qRgb(16 * x, 20 * y, 255 - 10 * x));
  }
  first.cells.GetAt(1)->AttachCapture(capture);
  first.cells.GetAt(1)->source = CQlmPrintRect::Axial;
  first.cells.GetAt(2)->kind = CQlmPrintRect::ImplantTable;
  first.cells.GetAt(2)->scale = 2;

  CQlmPrintTemplate& second = *report.templates.AddNew();
  second.SetLayout(2);
  second.SetPaperRatio(CQlmPrintTemplate::A3);
  second.SetArea(0, 0, 800, 600);
  second.scale = 1.5f;
  second.LayoutPreview(768);
  second.SetColor(0x00FFEEDD);
  second.cells.GetAt(1)->kind = CQlmPrintRect::Text;
  second.cells.GetAt(1)->text = "Observações";
  report.currentIndex = 1;
  report.currentTemplate = &second;
}

}  // namespace ReportFixtures
