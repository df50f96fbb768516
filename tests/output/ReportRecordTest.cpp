#include <gtest/gtest.h>

#include <cstring>

#include "ReportFixtures.h"
#include "output/CQlmPrintPreview.h"
#include "output/CQlmPrintRect.h"
#include "output/CQlmPrintTemplate.h"
#include "output/CQlmPrintTemplateList.h"
#include "output/CSerialBitmap.h"
#include "platform/CArchiveException.h"

using namespace ReportFixtures;

namespace {

// 2 x 1 picture: blue-ish then red-ish pixel.
QImage TwoPixels() {
  QImage picture(2, 1, QImage::Format_RGB32);
  picture.setPixel(0, 0, qRgb(10, 20, 30));
  picture.setPixel(1, 0, qRgb(200, 150, 100));
  return picture;
}

// The bitmap record of TwoPixels(): 32 bits, rows of B, G, R, 0.
Bytes TwoPixelsRecord() { return Record().Description(2, 1, 8).Raw("\x1E\x14\x0A\x00\x64\x96\xC8\x00", 8).Data; }

// A rectangle whose every stored field differs from its default.
void FillRect(CQlmPrintRect& rect, int kind) {
  rect.SetRect(10, 20, 110, 220);
  rect.role = CQlmPrintRect::Header;
  rect.kind = kind;
  rect.source = CQlmPrintRect::Cross;
  rect.colour = 0x00112233;
  rect.text = "Olá";
  rect.trueScale = 1;
  rect.scale = 2.5f;
  rect.reserved1 = 7.0f;
  rect.reserved2 = 0.25;
  rect.AttachCapture(TwoPixels());
  rect.kind = kind;
}

Bytes RectFields(int kind) {
  return Record()
      .Int(1)
      .Int(kind)
      .Int(2)
      .Int(0x00112233)
      .Text("Ol\xE1")
      .Int(1)
      .Float(2.5f)
      .Float(7.0f)
      .Double(0.25)
      .Corners(10, 20, 110, 220)
      .Data;
}

// A template of layout 3 with a text cell, a picture cell and an implant table.
void FillTemplate(CQlmPrintTemplate& page) {
  page.SetLayout(3);
  page.SetPaperRatio(CQlmPrintTemplate::Letter);
  page.SetColor(0x00C0FFEE);
  page.name = "Modelo";
  page.SetArea(0, 0, 800, 600);
  page.scale = 2;
  page.LayoutPreview(768);
  page.cells.GetAt(0)->kind = CQlmPrintRect::Text;
  page.cells.GetAt(0)->text = "Paciente: João";
  page.cells.GetAt(1)->AttachCapture(TwoPixels());
  page.cells.GetAt(1)->source = CQlmPrintRect::Axial;
  page.cells.GetAt(2)->kind = CQlmPrintRect::ImplantTable;
}

}  // namespace

TEST(CQlmPrintRect, RecordOfEveryKindByteForByte) {
  struct Case {
    int Kind;
    bool StoresPicture;
  };
  for (const Case& c : {Case{0, false}, Case{1, true}, Case{2, false}, Case{3, true}, Case{4, false}}) {
    CQlmPrintRect rect;
    FillRect(rect, c.Kind);
    Record record;
    record.Append(RectFields(c.Kind));
    if (c.StoresPicture) record.Append(TwoPixelsRecord());
    const Bytes& expected = record.Data;
    EXPECT_EQ(Serialized(rect), expected) << "kind " << c.Kind;

    CQlmPrintRect read;
    EXPECT_EQ(Deserialize(expected, read), 0u) << "kind " << c.Kind;
    EXPECT_EQ(read.rect, CRect(10, 20, 110, 220));
    EXPECT_EQ(read.role, 1);
    EXPECT_EQ(read.source, 2);
    EXPECT_EQ(read.text, "Olá");
    EXPECT_EQ(read.scale, 2.5f);
    EXPECT_EQ(read.bitmap.IsEmpty(), !c.StoresPicture);
    EXPECT_EQ(read.bitmapHandle.isNull(), !c.StoresPicture);
    if (c.StoresPicture) {
      EXPECT_EQ(read.bitmap.GetImage().pixel(1, 0), qRgb(200, 150, 100));
    }
    EXPECT_EQ(Serialized(read), expected) << "kind " << c.Kind;
  }
}

TEST(CSerialBitmap, ReadsRowsOf24And32BitsAndStoresThemAs32) {
  struct Case {
    const char* Name;
    Bytes Stored;
  };
  // Row 0: (10, 20, 30) (40, 50, 60); row 1: (70, 80, 90) (100, 110, 120); bytes B, G, R.
  const Case cases[] = {
      {"24 bits, rows padded to 8 bytes",
       Record()
           .Description(2, 2, 8, 1, 24)
           .Raw("\x1E\x14\x0A\x3C\x32\x28\xAA\xAA\x5A\x50\x46\x78\x6E\x64\xAA\xAA", 16)
           .Data},
      {"32 bits, any fourth byte",
       Record().Description(2, 2, 8).Raw("\x1E\x14\x0A\xFF\x3C\x32\x28\x07\x5A\x50\x46\x00\x78\x6E\x64\x01", 16).Data},
  };
  const Bytes written =
      Record().Description(2, 2, 8).Raw("\x1E\x14\x0A\x00\x3C\x32\x28\x00\x5A\x50\x46\x00\x78\x6E\x64\x00", 16).Data;
  for (const Case& c : cases) {
    CSerialBitmap bitmap;
    EXPECT_EQ(Deserialize(c.Stored, bitmap), 0u) << c.Name;
    const QImage& picture = bitmap.GetImage();
    ASSERT_EQ(picture.size(), QSize(2, 2)) << c.Name;
    EXPECT_EQ(picture.pixel(0, 0), qRgb(10, 20, 30)) << c.Name;
    EXPECT_EQ(picture.pixel(1, 0), qRgb(40, 50, 60)) << c.Name;
    EXPECT_EQ(picture.pixel(0, 1), qRgb(70, 80, 90)) << c.Name;
    EXPECT_EQ(picture.pixel(1, 1), qRgb(100, 110, 120)) << c.Name;
    EXPECT_EQ(Serialized(bitmap), written) << c.Name;
  }
}

TEST(CSerialBitmap, AnEmptyBitmapIsStoredWithoutPixelsAndReadBackEmpty) {
  CSerialBitmap empty;
  const Bytes stored = Serialized(empty);
  EXPECT_EQ(stored, Record().Description(0, 0, 0).Data);
  CSerialBitmap read;
  read.Attach(TwoPixels());
  EXPECT_EQ(Deserialize(stored, read), 0u);
  EXPECT_TRUE(read.IsEmpty());
}

// Descriptions that would allocate or read what the record does not hold.
TEST(CSerialBitmap, MalformedRecordsAreRefusedBeforeAllocating) {
  struct Case {
    const char* Name;
    int32_t Width, Height, WidthBytes;
    uint16_t Planes, BitsPerPixel;
    size_t PixelBytes;
  };
  const Case cases[] = {
      {"no width", 0, 2, 8, 1, 32, 16},
      {"negative width", -2, 2, 8, 1, 32, 16},
      {"no height", 2, 0, 8, 1, 32, 16},
      {"negative height", 2, -2, 8, 1, 32, 16},
      {"two planes", 2, 2, 8, 2, 32, 16},
      {"16 bits per pixel", 2, 2, 8, 1, 16, 16},
      {"1 bit per pixel", 2, 2, 8, 1, 1, 16},
      {"rows shorter than the width", 3, 2, 8, 1, 32, 16},
      {"24-bit rows shorter than the width", 3, 2, 8, 1, 24, 16},
      {"negative bytes per row", 2, 2, -8, 1, 32, 16},
      {"block past the end", 2, 3, 8, 1, 32, 16},
      {"block of gigabytes", 0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF, 1, 32, 16},
      {"block beyond 32 bits", 0x10000, 0x10000, 0x40000, 1, 32, 16},
      {"pixels cut short", 2, 2, 8, 1, 32, 15},
  };
  for (const Case& c : cases) {
    const Bytes stored = Record()
                             .Description(c.Width, c.Height, c.WidthBytes, c.Planes, c.BitsPerPixel)
                             .Append(Bytes(c.PixelBytes, 0x55))
                             .Data;
    CSerialBitmap bitmap;
    EXPECT_THROW(Deserialize(stored, bitmap), CArchiveException) << c.Name;
  }
}

TEST(CQlmPrintTemplate, RecordHoldsTheFieldsAndThePreviewSetOnly) {
  CQlmPrintTemplate page;
  FillTemplate(page);
  page.headerPath = "cabecalho.bmp";
  page.LayoutPrint(CPoint(0, 0), CPoint(1000, 1400), nullptr);

  Record expected;
  expected.Int(3).Text("Modelo").Float(CQlmPrintTemplate::Letter).Int(0x00C0FFEE);
  for (CQlmPrintRect* rect : {&page.outline, &page.contentArea, &page.header, &page.footer}) {
    expected.Append(Serialized(*rect));
  }
  expected.Int(3);
  for (int i = 0; i < 3; ++i) expected.Append(Serialized(*page.cells.GetAt(i)));
  EXPECT_EQ(Serialized(page), expected.Data);

  CQlmPrintTemplate read;
  EXPECT_EQ(Deserialize(expected.Data, read), 0u);
  EXPECT_EQ(read.layout, 3);
  EXPECT_EQ(read.paperRatio, CQlmPrintTemplate::Letter);
  EXPECT_EQ(read.colour, 0x00C0FFEEu);
  EXPECT_EQ(read.header.rect, page.header.rect);
  ASSERT_EQ(read.cells.GetCount(), 3);
  EXPECT_EQ(read.cells.GetAt(0)->text, "Paciente: João");
  EXPECT_EQ(read.cells.GetAt(1)->bitmap.GetImage(), TwoPixels());
  EXPECT_EQ(read.cells.GetAt(2)->kind, CQlmPrintRect::ImplantTable);
  EXPECT_EQ(read.cells.GetAt(2)->implantSource, nullptr);
  EXPECT_EQ(read.printCells.GetCount(), 0);
  EXPECT_TRUE(read.headerPath.IsEmpty());
  EXPECT_EQ(Serialized(read), expected.Data);
}

TEST(CQlmPrintPreview, RecordIsIndexFlagAndTheTemplateList) {
  CQlmPrintPreview report;
  report.previewOpened = 1;
  FillTemplate(*report.templates.AddNew());
  report.templates.AddNew()->SetLayout(1);
  report.currentIndex = 1;

  const Bytes stored = Serialized(report);
  Record expected;
  expected.Int(1).Int(1).Int(2);
  report.templates.ForEach([&expected](CQlmPrintTemplate& page) { expected.Append(Serialized(page)); });
  EXPECT_EQ(stored, expected.Data);

  CQlmPrintPreview read;
  EXPECT_EQ(Deserialize(stored, read), 0u);
  EXPECT_EQ(read.previewOpened, 1);
  ASSERT_EQ(read.templates.GetCount(), 2);
  EXPECT_EQ(read.currentIndex, 1);
  EXPECT_EQ(read.currentTemplate, read.templates.GetAt(1));
  EXPECT_EQ(read.currentTemplate->layout, 1);
}

// A stored index outside the list would leave no current template to paint.
TEST(CQlmPrintPreview, StoredCurrentIndexIsClampedIntoTheList) {
  struct Case {
    int32_t Stored;
    int Templates;
    int32_t Expected;
  };
  for (const Case& c : {Case{0, 3, 0}, Case{2, 3, 2}, Case{3, 3, 2}, Case{INT32_MAX, 3, 2}, Case{-1, 3, 0},
                        Case{INT32_MIN, 3, 0}, Case{5, 0, 0}}) {
    CQlmPrintPreview report;
    for (int i = 0; i < c.Templates; ++i) report.templates.AddNew()->SetLayout(i + 1);
    const Bytes stored = Poked(Serialized(report), 0, c.Stored);

    CQlmPrintPreview read;
    Deserialize(stored, read);
    EXPECT_EQ(read.currentIndex, c.Expected) << c.Stored << " of " << c.Templates;
    if (c.Templates) {
      ASSERT_NE(read.currentTemplate, nullptr);
      EXPECT_EQ(read.currentTemplate->layout, c.Expected + 1);
    } else {
      EXPECT_EQ(read.currentTemplate, nullptr);
    }
  }
}

// Counts of the template and cell lists, and every cut of a whole record.
TEST(CQlmPrintPreview, MalformedCountsAndCutRecordsAreRefused) {
  CQlmPrintPreview report;
  report.previewOpened = 1;
  FillTemplate(*report.templates.AddNew());
  const Bytes good = Serialized(report);
  const size_t templateCount = 8;
  // The first cell count follows layout, name, ratio, colour and four rectangle records.
  size_t cellCount = templateCount + 4 + 4 + 7 + 4 + 4;
  for (CQlmPrintRect* rect : {&report.templates.GetAt(0)->outline, &report.templates.GetAt(0)->contentArea,
                              &report.templates.GetAt(0)->header, &report.templates.GetAt(0)->footer}) {
    cellCount += Serialized(*rect).size();
  }
  int32_t storedCells = 0;
  std::memcpy(&storedCells, good.data() + cellCount, 4);
  ASSERT_EQ(storedCells, 3);

  struct Case {
    const char* Name;
    size_t Offset;
    int32_t Value;
  };
  for (const Case& c :
       {Case{"negative template count", templateCount, -1}, Case{"template count past the end", templateCount, 2},
        Case{"template count of billions", templateCount, INT32_MAX}, Case{"negative cell count", cellCount, -1},
        Case{"ten cells", cellCount, 10}, Case{"cell count past the end", cellCount, 9}}) {
    CQlmPrintPreview read;
    EXPECT_THROW(Deserialize(Poked(good, c.Offset, c.Value), read), CArchiveException) << c.Name;
  }
  for (size_t size = 0; size < good.size(); ++size) {
    CQlmPrintPreview read;
    EXPECT_THROW(Deserialize(Bytes(good.begin(), good.begin() + static_cast<ptrdiff_t>(size)), read), CArchiveException)
        << "cut at " << size;
  }
}

TEST(CQlmPrintTemplateList, LoadingAppendsAfterTheTemplatesHeld) {
  CQlmPrintTemplateList stored;
  stored.AddNew()->SetLayout(7);
  stored.AddNew()->SetLayout(8);
  const Bytes record = Serialized(stored);
  EXPECT_EQ(record.size(), 4 + 2 * Serialized(*stored.GetAt(0)).size());

  CQlmPrintTemplateList list;
  list.AddNew()->SetLayout(1);
  EXPECT_EQ(Deserialize(record, list), 0u);
  ASSERT_EQ(list.GetCount(), 3);
  EXPECT_EQ(list.GetAt(0)->layout, 1);
  EXPECT_EQ(list.GetAt(1)->layout, 7);
  EXPECT_EQ(list.GetAt(2)->layout, 8);
}

TEST(CQlmPrintTemplateList, IndexGetAndRemoveAtTheEdges) {
  CQlmPrintTemplateList list;
  CQlmPrintTemplate outsider;
  EXPECT_EQ(list.IndexOf(nullptr), -1);
  EXPECT_EQ(list.IndexOf(&outsider), -1);
  EXPECT_EQ(list.GetAt(0), nullptr);

  CQlmPrintTemplate* first = list.AddNew();
  CQlmPrintTemplate* second = list.AddNew();
  CQlmPrintTemplate* third = list.AddNew();
  EXPECT_EQ(list.GetCurrent(), third);
  EXPECT_EQ(list.IndexOf(second), 1);
  EXPECT_EQ(list.IndexOf(&outsider), -1);
  EXPECT_EQ(list.IndexOf(nullptr), -1);
  EXPECT_EQ(list.GetAt(-1), nullptr);
  EXPECT_EQ(list.GetAt(3), nullptr);
  EXPECT_EQ(list.GetCurrent(), third);
  EXPECT_EQ(list.GetAt(0), first);
  EXPECT_EQ(list.GetCurrent(), first);

  for (int outside : {-1, 3, INT32_MAX}) {
    list.RemoveAt(outside);
    EXPECT_EQ(list.GetCount(), 3) << outside;
  }
  list.RemoveAt(1);
  ASSERT_EQ(list.GetCount(), 2);
  EXPECT_EQ(list.GetAt(1), third);
  EXPECT_EQ(list.IndexOf(third), 1);
  list.RemoveAt(1);
  EXPECT_EQ(list.GetCurrent(), nullptr);
  list.RemoveAll();
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_EQ(list.GetAt(0), nullptr);
}

TEST(CQlmPrintTemplate, HitTestFindsCellsBeforeFooterAndHeader) {
  CQlmPrintTemplate page;
  page.header.SetRect(0, 0, 100, 20);
  page.footer.SetRect(0, 180, 100, 200);
  page.outline.SetRect(-10, -10, 110, 210);
  page.contentArea.SetRect(0, 0, 100, 200);
  CQlmPrintRect* overlapping = page.cells.AddNew();
  overlapping->SetRect(0, 10, 50, 100);
  CQlmPrintRect* later = page.cells.AddNew();
  later->SetRect(40, 10, 100, 190);

  struct Case {
    int X, Y;
    const CQlmPrintRect* Expected;
  };
  const Case cases[] = {
      {5, 15, overlapping},   // cell over the header
      {45, 50, overlapping},  // the first of two cells
      {50, 50, later},        // right edge of the first cell lies outside it
      {70, 185, later},       // cell over the footer
      {70, 195, &page.footer}, {70, 5, &page.header}, {100, 5, nullptr},  // right edge of the header
      {-5, 100, nullptr},                                                 // outline only
      {20, 150, nullptr},                                                 // content area only
  };
  for (const Case& c : cases) {
    EXPECT_EQ(page.HitTest(CPoint(c.X, c.Y)), c.Expected) << c.X << ", " << c.Y;
  }
}
