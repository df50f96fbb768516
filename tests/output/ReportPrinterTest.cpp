// The report printer without the views: the preview's scale per paper, the
// template commands, the header and footer files, and the printed page in a
// PDF read back with pdfinfo and pdftoppm.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPrinter>
#include <string>

#include "QlmCommandOutput.h"
#include "QlmGuiTestApp.h"
#include "QlmTempDir.h"
#include "output/CQlmPrintPreview.h"
#include "platform/QlmPath.h"

namespace {

// A report printer with one template of `ratio` drawn on an area 594 pixels high.
void OneTemplate(CQlmPrintPreview& report, float ratio) {
  report.NewTemplate(ratio, 5, 0xFFFFFF);
  report.SetArea(0, 0, 420, 594);
}

TEST(ReportPrinter, ScaleIsTheAreaHeightOverThePaperHeight) {
  struct Case {
    const char* name;
    float ratio;
    float paperHeight;
  };
  const Case cases[] = {
      {"A4", CQlmPrintTemplate::A4, 297.0f},
      {"A3", CQlmPrintTemplate::A3, 420.0f},
      {"Letter", CQlmPrintTemplate::Letter, 279.4f},
      {"Legal", CQlmPrintTemplate::Legal, 355.6f},
      {"unknown ratio counts as A4", 0.5f, 297.0f},
  };
  for (const Case& test : cases) {
    CQlmPrintPreview report;
    OneTemplate(report, test.ratio);
    EXPECT_FLOAT_EQ(report.scale, 594.0f / test.paperHeight) << test.name;
    report.LayoutCurrent();
    EXPECT_FLOAT_EQ(report.currentTemplate->scale, report.scale) << test.name;
  }
}

TEST(ReportPrinter, EveryTemplateMadeCurrentGetsTheScaleOfItsPaper) {
  CQlmPrintPreview report;
  OneTemplate(report, CQlmPrintTemplate::A4);
  report.NewTemplate(CQlmPrintTemplate::A3, 2, 0xFF0000);
  EXPECT_EQ(report.currentIndex, 1);
  EXPECT_EQ(report.currentTemplate->area.Height(), 594);
  EXPECT_FLOAT_EQ(report.scale, 594.0f / 420.0f);
  report.PreviousTemplate();
  EXPECT_EQ(report.currentIndex, 0);
  EXPECT_FLOAT_EQ(report.scale, 2.0f);
  report.PreviousTemplate();  // there is none before the first
  EXPECT_EQ(report.currentIndex, 0);
  report.NextTemplate();
  EXPECT_FLOAT_EQ(report.scale, 594.0f / 420.0f);
  report.SetPaperRatio(CQlmPrintTemplate::A4);
  EXPECT_FLOAT_EQ(report.scale, 2.0f);
}

TEST(ReportPrinter, DeletingMakesThePreviousTemplateCurrentAndNeverEmptiesTheList) {
  CQlmPrintPreview report;
  OneTemplate(report, CQlmPrintTemplate::A4);
  report.NewTemplate(CQlmPrintTemplate::A4, 2, 0xFFFFFF);
  report.NewTemplate(CQlmPrintTemplate::A4, 3, 0xFFFFFF);
  report.PreviousTemplate();
  report.DeleteTemplate();
  EXPECT_EQ(report.templates.GetCount(), 2);
  EXPECT_EQ(report.currentIndex, 0);
  EXPECT_EQ(report.currentTemplate->layout, 5);
  report.DeleteTemplate();
  EXPECT_EQ(report.templates.GetCount(), 1);
  EXPECT_EQ(report.currentIndex, 0);
  EXPECT_EQ(report.currentTemplate->layout, 3);
  report.DeleteTemplate();
  EXPECT_EQ(report.templates.GetCount(), 1);
  EXPECT_NE(report.currentTemplate, nullptr);
}

TEST(ReportPrinter, HeaderAndFooterFilesThatDoNotOpenTakeTheDefaults) {
  QlmTempDir folder;
  const std::string header = folder.File("logo.bmp");
  QFile file(QString::fromStdString(header));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  CQlmPrintPreview report;
  report.LoadHeaderFooter(folder.Path().c_str(), header.c_str(), folder.File("gone.bmp").c_str());
  EXPECT_EQ(report.GetHeaderBitmapPath().Str(), header);
  EXPECT_EQ(report.GetFooterBitmapPath().Str(), QlmPath::Join(folder.Path().string(), "footer.bmp"));
  report.LoadHeaderFooter(folder.Path().c_str(), "", "");
  EXPECT_EQ(report.GetHeaderBitmapPath().Str(), QlmPath::Join(folder.Path().string(), "header.bmp"));
  report.NewTemplate(CQlmPrintTemplate::A4, 5, 0xFFFFFF);
  EXPECT_EQ(report.currentTemplate->footerPath.Str(), report.GetFooterBitmapPath().Str());
}

// The page frame's edges (mm from the paper's left, top, right and bottom
// edges) in the PDF's picture at 150 dpi, from its outermost lines: the
// frame's thin grey border, or what lies inside it.
struct Margins {
  double Left = -1, Top = -1, Right = -1, Bottom = -1;
};

Margins FrameMargins(const QImage& page) {
  constexpr double MMPerPixel = 25.4 / 150;
  auto darkColumn = [&page](int x) {
    int dark = 0;
    for (int y = 0; y < page.height(); ++y) dark += qGray(page.pixel(x, y)) < 230 ? 1 : 0;
    return dark > page.height() / 2;
  };
  auto darkRow = [&page](int y) {
    int dark = 0;
    for (int x = 0; x < page.width(); ++x) dark += qGray(page.pixel(x, y)) < 230 ? 1 : 0;
    return dark > page.width() / 2;
  };
  Margins margins;
  for (int x = 0; x < page.width() && margins.Left < 0; ++x)
    if (darkColumn(x)) margins.Left = x * MMPerPixel;
  for (int x = page.width() - 1; x >= 0 && margins.Right < 0; --x)
    if (darkColumn(x)) margins.Right = (page.width() - 1 - x) * MMPerPixel;
  for (int y = 0; y < page.height() && margins.Top < 0; ++y)
    if (darkRow(y)) margins.Top = y * MMPerPixel;
  for (int y = page.height() - 1; y >= 0 && margins.Bottom < 0; --y)
    if (darkRow(y)) margins.Bottom = (page.height() - 1 - y) * MMPerPixel;
  return margins;
}

TEST(ReportPrinter, PrintedFrameLiesFifteenAndTwentyMillimetresFromThePapersEdges) {
  QlmGuiTestApp::Instance();
  if (QlmCommandOutput("command -v pdftoppm").empty()) GTEST_SKIP() << "pdftoppm (poppler-utils) is missing";
  struct Case {
    const char* name;
    bool fullPage;
    int dpi;
  };
  const Case cases[] = {
      {"Qt's default margins at 1200 dpi", false, 1200},
      {"Qt's default margins at 300 dpi", false, 300},
      {"full page at 1200 dpi", true, 1200},
  };
  for (const Case& test : cases) {
    QlmTempDir folder;
    const std::string pdf = folder.File("pagina.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    printer.setResolution(test.dpi);
    printer.setFullPage(test.fullPage);
    CQlmPrintPreview report;
    // Black cells between the white header and footer.
    report.NewTemplate(CQlmPrintTemplate::A4, 1, 0x000000);
    ASSERT_TRUE(report.PrintOn(printer, false, nullptr)) << test.name;

    const std::string info = QlmCommandOutput("pdfinfo '" + pdf + "'");
    EXPECT_NE(info.find("Title:           Quorvantile Report"), std::string::npos) << info;
    EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    QlmCommandOutput("pdftoppm -r 150 -gray -singlefile '" + pdf + "' '" + folder.File("pagina") + "'");
    const QImage page(QString::fromStdString(folder.File("pagina.pgm")));
    ASSERT_FALSE(page.isNull()) << test.name;
    const Margins margins = FrameMargins(page);
    EXPECT_NEAR(margins.Left, 15.0, 0.5) << test.name;
    EXPECT_NEAR(margins.Top, 15.0, 0.5) << test.name;
    EXPECT_NEAR(margins.Right, 15.0, 0.5) << test.name;
    EXPECT_NEAR(margins.Bottom, 20.0, 0.5) << test.name;
  }
}

TEST(ReportPrinter, PrintingWithoutATemplateStartsNoJob) {
  QlmGuiTestApp::Instance();
  QlmTempDir folder;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(folder.File("nada.pdf")));
  CQlmPrintPreview report;
  EXPECT_FALSE(report.PrintOn(printer, true, nullptr));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(folder.File("nada.pdf"))));
}

}  // namespace
