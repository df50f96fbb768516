#include <gtest/gtest.h>

#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <cstdio>
#include <string>

#include "QlmGuiTestApp.h"
#include "QlmTempDir.h"
#include "ReportFixtures.h"
#include "output/CQlmPrintTemplate.h"

using namespace ReportFixtures;

namespace {

const QRgb Red = qRgb(220, 0, 0);
const QRgb Green = qRgb(0, 180, 0);
const char* const CellText = "Implantes superiores planejados";

// Layout 5 on an 800-pixel screen: a text, a 60 x 40 picture fitted into its
// cell, a 600 x 400 picture at true scale (one capture pixel per preview
// pixel) with a 20-pixel red mark at its centre, the implant table of twelve
// rows and an empty black cell.
class PageDrawing : public ::testing::Test {
protected:
  void SetUp() override {
    QlmGuiTestApp::Instance();
    this->Page.SetArea(0, 0, 1000, 900);
    this->Page.scale = 3;
    this->Page.LayoutPreview(768);
    ASSERT_EQ(this->Page.cells.GetCount(), 5);
    CQlmPrintRect& text = this->Cell(0);
    text.kind = CQlmPrintRect::Text;
    text.text = CellText;
    this->Cell(1).AttachCapture(Picture(60, 40, Red));
    CQlmPrintRect& large = this->Cell(2);
    large.AttachCapture(Picture(600, 400, Green, Red, 20));
    large.trueScale = 1;
    large.scale = static_cast<float>(CQlmPrintRect::CapturePixelsPerMm);
    this->Cell(3).kind = CQlmPrintRect::ImplantTable;
    this->Cell(3).implantSource = &this->Implants;
    this->Cell(4).colour = 0;
  }

  CQlmPrintRect& Cell(int index) { return *this->Page.cells.GetAt(index); }

  QImage DrawPreview() {
    QImage image(1000, 900, QImage::Format_RGB32);
    image.fill(qRgb(90, 90, 90));
    QPainter painter(&image);
    this->Page.DrawPreview(painter);
    return image;
  }

  CQlmPrintTemplate Page;
  FixtureImplants Implants = TwelveImplants();
};

// Ink of small antialiased text on white.
bool IsInk(QRgb pixel) { return qGray(pixel) < 200; }

int CountIn(const QImage& image, const CRect& area, bool (*match)(QRgb)) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) count += match(image.pixel(x, y)) ? 1 : 0;
  }
  return count;
}

std::string RunPdfToText(const std::string& pdf) {
  std::string text;
  FILE* pipe = ::popen(("pdftotext -layout -enc UTF-8 '" + pdf + "' - 2>/dev/null").c_str(), "r");
  if (!pipe) return text;
  char buffer[4096];
  for (size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, read);
  ::pclose(pipe);
  return text;
}

}  // namespace

TEST_F(PageDrawing, PreviewPixels) {
  const QImage image = this->DrawPreview();
  // The black cell: border 193, 193, 193 and a black inside.
  const CRect black = this->Cell(4).rect;
  EXPECT_EQ(image.pixel(black.left, (black.top + black.bottom) / 2), qRgb(193, 193, 193));
  EXPECT_EQ(image.pixel((black.left + black.right) / 2, black.top), qRgb(193, 193, 193));
  EXPECT_EQ(image.pixel((black.left + black.right) / 2, (black.top + black.bottom) / 2), qRgb(0, 0, 0));
  // A white cell's border.
  const CRect text = this->Cell(0).rect;
  EXPECT_EQ(image.pixel((text.left + text.right) / 2, text.top), qRgb(192, 192, 192));

  // The small picture keeps at most its own size, centred in its cell.
  const CRect small = this->Cell(1).rect;
  int left = small.right, right = small.left, top = small.bottom, bottom = small.top;
  for (int y = small.top; y < small.bottom; ++y) {
    for (int x = small.left; x < small.right; ++x) {
      if (image.pixel(x, y) != Red) continue;
      left = std::min(left, x), right = std::max(right, x + 1), top = std::min(top, y),
      bottom = std::max(bottom, y + 1);
    }
  }
  ASSERT_LT(left, right) << "no picture drawn";
  EXPECT_LE(right - left, 60);
  EXPECT_LE(bottom - top, 40);
  EXPECT_NEAR((left + right) / 2.0, (small.left + small.right) / 2.0, 1);
  EXPECT_NEAR((top + bottom) / 2.0, (small.top + small.bottom) / 2.0, 1);
  EXPECT_EQ(image.pixel(small.left + 5, small.top + 5), qRgb(0, 0, 0));

  // The large picture at true scale: clipped to its cell inset by 10 at left
  // and top and 20 at right and bottom, with its 20-pixel mark kept at size.
  const CRect large = this->Cell(2).rect;
  const int middleY = (large.top + large.bottom) / 2;
  EXPECT_EQ(image.pixel(large.left + 12, large.top + 12), Green);
  EXPECT_EQ(image.pixel(large.right - 22, middleY - 30), Green);
  EXPECT_EQ(image.pixel(large.left + 5, large.top + 5), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(large.right - 18, middleY - 30), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(large.left + 12, large.bottom - 18), qRgb(0, 0, 0));
  const int markX = large.left + (large.Width() - 600) / 2 + 300;
  const int markY = large.top + (large.Height() - 400) / 2 + 200;
  EXPECT_EQ(image.pixel(markX + 7, markY + 7), Red);
  EXPECT_EQ(image.pixel(markX - 7, markY - 7), Red);
  EXPECT_EQ(image.pixel(markX + 13, markY), Green);

  // The text and every table line show as dark pixels.
  EXPECT_GT(CountIn(image, CRect(text.left + 5, text.top + 5, text.right - 5, text.top + 15), IsInk), 20);
  const CRect table = this->Cell(3).rect;
  for (int line = 0; line <= 12; ++line) {
    const int y = line == 0 ? table.top + 2 : table.top + 12 + 9 * (line - 1);
    EXPECT_GT(CountIn(image, CRect(table.left + 3, y, table.right - 3, y + 7), IsInk), 20) << "line " << line;
  }
}

TEST_F(PageDrawing, PrintedPdfCarriesTheTextAndTheImplantTable) {
  QlmTempDir folder;
  const std::string pdf = folder.File("relatorio.pdf");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(pdf));
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setFullPage(true);
  const int dpi = printer.resolution();
  const QRect paper = printer.pageLayout().fullRectPixels(dpi);
  const double k = dpi / 25.4;
  const int left = static_cast<int>(15 * k);
  this->Page.CopyPreviewToPrint(CPoint(left, left), CPoint(paper.width() - left, paper.height() - int(20 * k)));
  QPainter painter(&printer);
  this->Page.DrawPrint(painter, dpi);
  ASSERT_TRUE(painter.end());

  std::string text = RunPdfToText(pdf);
  if (text.empty()) GTEST_SKIP() << "pdftotext (poppler-utils) did not run";
  const QString words = QString::fromStdString(text).simplified();
  EXPECT_TRUE(words.contains(QString::fromUtf8(CellText))) << text;
  EXPECT_TRUE(words.contains(QString::fromUtf8("Índice Diâmetro Comprimento C.Comprim Ângulo"))) << text;
  for (int i = 0; i < 12; ++i) {
    const QString row =
        QString::asprintf("%02d %06.2fmm %06.2fmm 002.00mm %05.1fgr", i + 1, 3.75, 8.5 + 1.5 * i, 12.0 + 8 * i);
    EXPECT_TRUE(words.contains(row)) << row.toStdString() << "\n" << text;
  }
}
