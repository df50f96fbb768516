#pragma once
// One report page template: the preview set of rectangles (outline, content
// area, header, footer and cells in pixels of the preview's drawing area),
// which the user edits and the project stores, and the print set (page area,
// header, footer and cells in printer pixels), rebuilt at every print.
//
// Layout `layout` (1 to 9) gives the page that many content cells; any other
// value none. Every layout deletes the cells of its set and makes new, empty
// ones. Margins are 15 mm at left, top and right and 20 mm at the bottom.
//
// Record: layout, name, paperRatio, colour, outline, contentArea, header,
// footer, cells. The drawing area, scale, picture paths and print set are not
// stored.
#include <cstdint>

#include "output/CQlmPrintRect.h"
#include "output/CQlmPrintRectList.h"
#include "platform/CObject.h"
#include "platform/CString.h"
#include "platform/gui/CPoint.h"
#include "platform/gui/CRect.h"

class CQlmImplantTableSource;
class QPainter;

class CQlmPrintTemplate : public CObject {
public:
  // Paper width / height; A3 is 0.708 so that it can be told from A4.
  static constexpr float A4 = 0.707f;
  static constexpr float A3 = 0.708f;
  static constexpr float Letter = 0.774f;
  static constexpr float Legal = 0.606f;
  static constexpr size_t MinimumRecordSize = 4 + 1 + 4 + 4 + 4 * CQlmPrintRect::MinimumRecordSize + 4;

  CQlmPrintTemplate();

  // The template's colour for itself, the content area, header, footer and
  // every cell; the outline and the print set keep theirs.
  void SetColor(uint32_t newColour);
  void SetPaperRatio(float ratio) { this->paperRatio = ratio; }
  void SetLayout(int newLayout) { this->layout = newLayout; }
  void SetArea(int left, int top, int right, int bottom) { this->area = CRect(left, top, right, bottom); }

  // The preview rectangle under `point`: the first cell holding it, else the
  // footer, else the header; null elsewhere.
  CQlmPrintRect* HitTest(const CPoint& point);

  // Lays out the preview set from `area`, `paperRatio` and `scale` for a
  // primary screen `screenHeight` pixels high; the header and footer load
  // their pictures from headerPath and footerPath. The overload without a
  // height takes the primary screen's.
  void LayoutPreview();
  void LayoutPreview(int screenHeight);
  // Lays out the print set in the printable page (right and bottom outside)
  // and gives it the report's default contents: header and footer pictures,
  // then the panoramic, cross-section, axial and 3D views as pictures to
  // capture and the implant table of `implants`, in the first five cells.
  void LayoutPrint(const CPoint& topLeft, const CPoint& bottomRight, const CQlmImplantTableSource* implants);
  // Lays out the print set and copies the preview set's contents into it.
  void CopyPreviewToPrint(const CPoint& topLeft, const CPoint& bottomRight);

  // Outline, content area, header, footer, then the cells in order.
  void DrawPreview(QPainter& painter) const;
  // Page area, header, footer, then the print cells, on a printer of `dpi`.
  void DrawPrint(QPainter& painter, int dpi) const;

  void Serialize(CArchive& archive) override;

  CRect area;
  int32_t layout = 5;
  CString name;
  float paperRatio = A4;
  uint32_t colour = 0xFFFFFF;
  // Preview pixels per millimetre of paper; set by the report printer.
  float scale = 0;
  CString headerPath;
  CString footerPath;
  CQlmPrintRect outline;
  CQlmPrintRect contentArea;
  CQlmPrintRect header;
  CQlmPrintRect footer;
  CQlmPrintRectList cells;
  CQlmPrintRect printPage;
  CQlmPrintRect printHeader;
  CQlmPrintRect printFooter;
  CQlmPrintRectList printCells;

private:
  void LayoutPrintSet(const CPoint& topLeft, const CPoint& bottomRight);
  void LayoutCells(CQlmPrintRectList& list, int left, int top, int right, int bottom) const;
};
