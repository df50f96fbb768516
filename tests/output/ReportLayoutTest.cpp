#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "QlmTempDir.h"
#include "ReportFixtures.h"
#include "output/CQlmPrintTemplate.h"

using namespace ReportFixtures;

namespace {

std::vector<CRect> Rects(CQlmPrintRectList& list) {
  std::vector<CRect> rects;
  list.ForEach([&rects](CQlmPrintRect& cell) { rects.push_back(cell.rect); });
  return rects;
}

long long AreaOf(const CRect& rect) { return static_cast<long long>(rect.Width()) * rect.Height(); }

long long Overlap(const CRect& a, const CRect& b) {
  const int width = std::min(a.right, b.right) - std::max(a.left, b.left);
  const int height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return width > 0 && height > 0 ? static_cast<long long>(width) * height : 0;
}

// Printable page whose cell band runs from y 189 to 1300: 1111 pixels high,
// no multiple of 3, 4 or 5; header to top + bottom / 10, footer from bottom - bottom / 15.
const CPoint PageTopLeft(100, 50);
const CPoint PageBottomRight(1101, 1392);
const CRect CellBand(100, 189, 1101, 1300);

}  // namespace

// 800 x 600 drawing area, a 768-pixel screen, 2 pixels per millimetre of A4.
TEST(CQlmPrintTemplate, PreviewLayoutFollowsAreaScreenAndScale) {
  CQlmPrintTemplate page;
  page.SetArea(0, 0, 800, 600);
  page.scale = 2;
  page.SetColor(0x00336699);
  page.LayoutPreview(768);

  EXPECT_EQ(page.outline.rect, CRect(216, 51, 584, 549));
  EXPECT_EQ(page.outline.role, CQlmPrintRect::Outline);
  EXPECT_EQ(page.outline.colour, 0xFFFFFFu);
  EXPECT_EQ(page.contentArea.rect, CRect(246, 81, 554, 509));
  EXPECT_EQ(page.contentArea.role, CQlmPrintRect::ContentArea);
  EXPECT_EQ(page.header.rect, CRect(246, 81, 554, 131));
  EXPECT_EQ(page.header.role, CQlmPrintRect::Header);
  EXPECT_EQ(page.footer.rect, CRect(246, 476, 554, 509));
  EXPECT_EQ(page.footer.role, CQlmPrintRect::Footer);
  for (const CQlmPrintRect* heading : {&page.header, &page.footer}) {
    EXPECT_EQ(heading->kind, CQlmPrintRect::StretchedPicture);
    EXPECT_EQ(heading->source, CQlmPrintRect::PictureFile);
    EXPECT_EQ(heading->colour, 0x00336699u);
    EXPECT_TRUE(heading->bitmap.IsEmpty());
  }
  const std::vector<CRect> expected = {
      {246, 131, 554, 246}, {246, 246, 400, 361}, {400, 246, 554, 361}, {246, 361, 400, 476}, {400, 361, 554, 476}};
  EXPECT_EQ(Rects(page.cells), expected);
  page.cells.ForEach([](CQlmPrintRect& cell) {
    EXPECT_EQ(cell.kind, CQlmPrintRect::Empty);
    EXPECT_EQ(cell.source, CQlmPrintRect::NoSource);
    EXPECT_EQ(cell.colour, 0x00336699u);
  });
}

TEST(CQlmPrintTemplate, EveryLayoutTilesTheCellBandWithEmptyCells) {
  for (int layout = 1; layout <= 9; ++layout) {
    CQlmPrintTemplate page;
    page.SetLayout(layout);
    page.SetColor(0x00010203);
    page.LayoutPrint(PageTopLeft, PageBottomRight, nullptr);
    const std::vector<CRect> cells = Rects(page.printCells);
    ASSERT_EQ(static_cast<int>(cells.size()), layout);

    long long covered = 0;
    int reachingBottom = 0;
    for (size_t i = 0; i < cells.size(); ++i) {
      const CRect& cell = cells[i];
      EXPECT_GT(AreaOf(cell), 0) << "layout " << layout << " cell " << i;
      EXPECT_TRUE(cell.left >= CellBand.left && cell.right <= CellBand.right && cell.top >= CellBand.top &&
                  cell.bottom <= CellBand.bottom)
          << "layout " << layout << " cell " << i;
      covered += AreaOf(cell);
      if (cell.bottom == CellBand.bottom) ++reachingBottom;
      for (size_t j = 0; j < i; ++j) EXPECT_EQ(Overlap(cell, cells[j]), 0) << "layout " << layout;
    }
    EXPECT_EQ(covered, AreaOf(CellBand)) << "layout " << layout;
    EXPECT_EQ(reachingBottom, layout == 1 || layout == 2 ? 1 : 2) << "layout " << layout;
    EXPECT_EQ(cells.back(), (CRect{layout == 1 || layout == 2 ? 100 : 600, cells.back().top, 1101, 1300}));
    page.printCells.ForEach([layout](CQlmPrintRect& cell) {
      EXPECT_EQ(cell.role, CQlmPrintRect::Cell) << "layout " << layout;
      EXPECT_EQ(cell.colour, 0x00010203u) << "layout " << layout;
    });
  }
}

// The last row takes what the integer division leaves: 1111 = 5 x 222 + 1.
TEST(CQlmPrintTemplate, RowsOfLayoutsFiveSevenAndNine) {
  struct Case {
    int Layout;
    std::vector<int> RowTops;
  };
  const int T = CellBand.top;
  for (const Case& c : {Case{5, {T, T + 370, T + 740}}, Case{7, {T, T + 277, T + 554, T + 831}},
                        Case{9, {T, T + 222, T + 444, T + 666, T + 888}}}) {
    CQlmPrintTemplate page;
    page.SetLayout(c.Layout);
    page.LayoutPrint(PageTopLeft, PageBottomRight, nullptr);
    std::vector<int> tops;
    page.printCells.ForEach([&tops](CQlmPrintRect& cell) {
      if (tops.empty() || tops.back() != cell.rect.top) tops.push_back(cell.rect.top);
    });
    EXPECT_EQ(tops, c.RowTops) << "layout " << c.Layout;
    EXPECT_EQ(page.printCells.GetAt(0)->rect.right, 1101) << "first row spans the page";
  }
}

TEST(CQlmPrintTemplate, LayoutsOutsideOneToNineHaveNoCells) {
  for (int layout : {0, -1, 10}) {
    CQlmPrintTemplate page;
    page.SetLayout(layout);
    page.LayoutPreview(768);
    page.LayoutPrint(PageTopLeft, PageBottomRight, nullptr);
    EXPECT_EQ(page.cells.GetCount(), 0) << layout;
    EXPECT_EQ(page.printCells.GetCount(), 0) << layout;
  }
}

TEST(CQlmPrintTemplate, PrintLayoutGivesTheReportsDefaultContents) {
  const FixtureImplants implants = TwelveImplants();
  struct Case {
    int Layout;
    std::vector<int> Kinds, Sources;
  };
  const int picture = CQlmPrintRect::Picture, table = CQlmPrintRect::ImplantTable, none = CQlmPrintRect::NoSource;
  const Case cases[] = {
      {3, {picture, picture, picture}, {4, 2, 0}},
      {5, {picture, picture, picture, picture, table}, {4, 2, 0, 6, none}},
      {7, {picture, picture, picture, picture, table, 0, 0}, {4, 2, 0, 6, none, none, none}},
  };
  for (const Case& c : cases) {
    CQlmPrintTemplate page;
    page.SetLayout(c.Layout);
    page.LayoutPrint(PageTopLeft, PageBottomRight, &implants);
    EXPECT_EQ(page.printPage.rect, CRect(100, 50, 1101, 1392));
    EXPECT_EQ(page.printPage.role, CQlmPrintRect::PageArea);
    EXPECT_EQ(page.printHeader.rect, CRect(100, 50, 1101, 189));
    EXPECT_EQ(page.printFooter.rect, CRect(100, 1300, 1101, 1392));
    EXPECT_EQ(page.printHeader.kind, CQlmPrintRect::StretchedPicture);
    EXPECT_EQ(page.printFooter.source, CQlmPrintRect::PictureFile);
    std::vector<int> kinds, sources;
    page.printCells.ForEach([&](CQlmPrintRect& cell) {
      kinds.push_back(cell.kind);
      sources.push_back(cell.source);
      EXPECT_EQ(cell.trueScale, 0);
      EXPECT_EQ(cell.implantSource, cell.kind == table ? &implants : nullptr);
    });
    EXPECT_EQ(kinds, c.Kinds) << "layout " << c.Layout;
    EXPECT_EQ(sources, c.Sources) << "layout " << c.Layout;
  }
}

TEST(CQlmPrintTemplate, CopyPreviewToPrintCarriesEveryContent) {
  const FixtureImplants implants = TwelveImplants();
  const QImage capture = Picture(30, 20, qRgb(9, 8, 7));
  const QImage banner = Picture(50, 10, qRgb(1, 2, 3));
  CQlmPrintTemplate page;
  page.SetLayout(4);
  page.SetArea(0, 0, 800, 600);
  page.LayoutPreview(768);
  page.header.AttachBitmap(banner);
  page.footer.kind = CQlmPrintRect::Empty;
  page.cells.GetAt(0)->kind = CQlmPrintRect::Text;
  page.cells.GetAt(0)->text = "Texto";
  page.cells.GetAt(1)->AttachCapture(capture);
  page.cells.GetAt(1)->trueScale = 1;
  page.cells.GetAt(1)->source = CQlmPrintRect::PanoramicTrueScale;
  page.cells.GetAt(2)->kind = CQlmPrintRect::ImplantTable;
  page.cells.GetAt(2)->implantSource = &implants;

  page.CopyPreviewToPrint(PageTopLeft, PageBottomRight);
  EXPECT_EQ(page.printHeader.bitmap.GetImage(), banner);
  EXPECT_EQ(page.printHeader.kind, CQlmPrintRect::StretchedPicture);
  EXPECT_EQ(page.printFooter.kind, CQlmPrintRect::Empty);
  ASSERT_EQ(page.printCells.GetCount(), 4);
  EXPECT_EQ(page.printCells.GetAt(0)->text, "Texto");
  EXPECT_EQ(page.printCells.GetAt(0)->kind, CQlmPrintRect::Text);
  const CQlmPrintRect& picture = *page.printCells.GetAt(1);
  EXPECT_EQ(picture.kind, CQlmPrintRect::Picture);
  EXPECT_EQ(picture.trueScale, 1);
  EXPECT_EQ(picture.source, CQlmPrintRect::PanoramicTrueScale);
  EXPECT_EQ(picture.bitmap.GetImage(), capture);
  EXPECT_EQ(page.printCells.GetAt(2)->implantSource, &implants);
  EXPECT_EQ(page.printCells.GetAt(3)->kind, CQlmPrintRect::Empty);
  EXPECT_EQ(page.printCells.GetAt(3)->source, CQlmPrintRect::NoSource);
  EXPECT_EQ(page.printCells.GetAt(3)->rect.bottom, CellBand.bottom);

  // A stored template may hold fewer cells than its layout makes.
  page.cells.RemoveAt(3);
  page.cells.RemoveAt(2);
  page.CopyPreviewToPrint(PageTopLeft, PageBottomRight);
  EXPECT_EQ(page.printCells.GetCount(), 4);
  EXPECT_EQ(page.printCells.GetAt(1)->bitmap.GetImage(), capture);
  EXPECT_EQ(page.printCells.GetAt(2)->kind, CQlmPrintRect::Empty);
}

TEST(CQlmPrintTemplate, HeaderAndFooterPicturesLoadFromTheirFiles) {
  QlmTempDir folder;
  const QImage banner = Picture(40, 8, qRgb(200, 10, 10));
  ASSERT_TRUE(banner.save(QString::fromStdString(folder.File("header.bmp")), "BMP"));
  CQlmPrintTemplate page;
  page.SetArea(0, 0, 800, 600);
  page.headerPath = folder.File("header.bmp");
  page.footerPath = folder.File("missing.bmp");
  const QImage previous = Picture(4, 4, qRgb(0, 0, 200));
  page.footer.AttachBitmap(previous);
  page.LayoutPreview(768);
  EXPECT_EQ(page.header.bitmap.GetImage().convertToFormat(QImage::Format_RGB32), banner);
  EXPECT_EQ(page.footer.bitmap.GetImage(), previous);
  EXPECT_EQ(page.footer.kind, CQlmPrintRect::StretchedPicture);

  // Paths joined the Windows way load as well.
  page.headerPath = folder.Path().string() + "\\header.bmp";
  page.LayoutPrint(PageTopLeft, PageBottomRight, nullptr);
  EXPECT_FALSE(page.printHeader.bitmap.IsEmpty());
  EXPECT_TRUE(page.printFooter.bitmap.IsEmpty());
}

TEST(CQlmPrintTemplate, ColourReachesTheHeadingsAndCellsButNotOutlineOrPrintSet) {
  CQlmPrintTemplate page;
  page.SetLayout(2);
  page.LayoutPreview(768);
  page.LayoutPrint(PageTopLeft, PageBottomRight, nullptr);
  page.SetColor(0x000000FF);
  EXPECT_EQ(page.colour, 0x000000FFu);
  for (const CQlmPrintRect* rect :
       {&page.contentArea, &page.header, &page.footer, page.cells.GetAt(0), page.cells.GetAt(1)}) {
    EXPECT_EQ(rect->colour, 0x000000FFu);
  }
  for (const CQlmPrintRect* rect : {&page.outline, &page.printHeader, page.printCells.GetAt(0)}) {
    EXPECT_EQ(rect->colour, 0xFFFFFFu);
  }
  page.LayoutPrint(PageTopLeft, PageBottomRight, nullptr);
  EXPECT_EQ(page.printHeader.colour, 0x000000FFu);
  EXPECT_EQ(page.printCells.GetAt(1)->colour, 0x000000FFu);
}
