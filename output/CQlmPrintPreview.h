#pragma once
// The report printer of a project: its page templates and the current one,
// the preview's scale, the cell the user last pointed at, the header and
// footer pictures, and the printing of the current template. The controller
// makes one with every project; the project file stores it.
//
// Record: int32 current index, int32 previewOpened, the template list. The
// project file holds previewOpened first and the record only when it is set.
#include <cstdint>

#include "output/CQlmPrintTemplateList.h"
#include "platform/CObject.h"
#include "platform/CString.h"
#include "platform/gui/CPoint.h"

class CQlmImplantTableSource;
class CQlmReportViews;
class QPageSize;
class QPainter;
class QPrinter;

class CQlmPrintPreview : public CObject {
public:
  // Paper heights (mm) of the four papers, by their width / height ratio.
  static constexpr float A4HeightMM = 297.0f;
  static constexpr float A3HeightMM = 420.0f;
  static constexpr float LetterHeightMM = 279.4f;
  static constexpr float LegalHeightMM = 355.6f;

  CQlmPrintPreview() = default;

  // Loading appends the templates read and makes the one at the stored index
  // current, an index outside the list taken to its nearest end.
  void Serialize(CArchive& archive) override;
  // Exchanges what the project file stores (templates, current template and
  // index, previewOpened) with `other`.
  void SwapStoredState(CQlmPrintPreview& other);

  // headerPath and footerPath := `header` and `footer` where those files open
  // for reading, else "header.bmp" and "footer.bmp" in `folder`.
  void LoadHeaderFooter(const CString& folder, const CString& header, const CString& footer);
  CString GetHeaderBitmapPath() const { return this->headerPath; }
  CString GetFooterBitmapPath() const { return this->footerPath; }

  // scale := the current template's area height / its paper's height (an
  // unknown ratio counts as A4); nothing without a current template.
  void ComputeScale();
  // The scale into the current template, then its preview layout.
  void LayoutCurrent();
  // Forward to the current template; a new ratio gets its scale.
  void SetArea(int left, int top, int right, int bottom);
  void SetPaperRatio(float ratio);
  void SetLayout(int layout);

  // Appends a template of `ratio`, `layout` and `colour` with this printer's
  // header and footer paths and makes it current.
  void NewTemplate(float ratio, int layout, uint32_t colour);
  // Deletes the current template unless it is the last one left; the one
  // before it (the first when it was the first) becomes current.
  void DeleteTemplate();
  // The template before or after the current one, when there is one.
  void PreviousTemplate();
  void NextTemplate();

  // Empties currentCell (kind Empty); nothing without one.
  void ClearCell();
  // currentCell becomes the implant table of `implants`, placed at this scale.
  void PlaceImplantTable();
  // currentCell becomes a text holding textBuffer, placed at this scale.
  void PlaceText();
  // The picture file of currentCell, a header or footer: a bitmap chosen in
  // the prompter's file dialog, stretched over the rectangle; its path
  // becomes this printer's and the current template's header or footer path.
  // False (nothing changed) when the choice is cancelled or the file does
  // not load as a bitmap.
  bool ChoosePicture();
  // Gives `implants` to every implant table of the current template's preview.
  void UpdateImplantSource();
  // The current template's preview, its implant tables reading `implants`.
  void Paint(QPainter& painter);

  // Fill `rect` with a capture of their view from `views` (nothing without
  // views or a rectangle): as on screen, or life-size for the true-scale ones.
  void CaptureAxial(CQlmPrintRect* rect);
  void CaptureAxialTrueScale(CQlmPrintRect* rect);
  void CaptureCross(CQlmPrintRect* rect);
  void CaptureCrossTrueScale(CQlmPrintRect* rect);
  void CapturePanoramic(CQlmPrintRect* rect);
  void CapturePanoramicTrueScale(CQlmPrintRect* rect);
  void Capture3D(CQlmPrintRect* rect);
  // Captures again every print cell of the current template whose source is a view.
  void RefreshCaptures();

  // The paper of a template's ratio (A4 for an unknown one).
  static QPageSize PaperOf(float ratio);
  // The corners of the printed page in `printer`'s painter pixels (origin at
  // the printable area): 15 mm from the paper's left, top and right edges and
  // 20 mm from its bottom edge, whatever the printer's margins.
  static void PageCorners(const QPrinter& printer, CPoint& topLeft, CPoint& bottomRight);
  // Prints the current template as one page "Quorvantile Report" on
  // `printer`, on the template's paper: as the preview shows it when
  // `asPreviewed`, else with the report's default contents, the views
  // captured and `implants`. False when there is no template, the job does
  // not start or the page does not end.
  bool PrintOn(QPrinter& printer, bool asPreviewed, const CQlmImplantTableSource* implants);
  // PrintOn the default printer (CPrintDialog::GetDefaults), with the
  // report's default contents or as previewed.
  bool Print(const CQlmImplantTableSource* implants);
  bool PrintFromPreview();

  // The project's views for captures; not owned, null for none.
  CQlmReportViews* views = nullptr;
  // The project's implants for implant tables; not owned, null for none.
  const CQlmImplantTableSource* implants = nullptr;

  CQlmPrintTemplateList templates;
  // The template shown and printed; null while there are no templates.
  CQlmPrintTemplate* currentTemplate = nullptr;
  // The rectangle that the last right click hit; null for none.
  CQlmPrintRect* currentCell = nullptr;
  // Dots per inch given to the views' off-screen copies for captures.
  float renderResolution = 100.0f;
  float outputResolution = 100.0f;
  // Preview pixels per millimetre of paper.
  float scale = 0;
  int32_t currentIndex = 0;
  // 1 once the preview has been opened on the project: its templates are then stored.
  int32_t previewOpened = 0;
  // The text the text dialog returned last.
  CString textBuffer;
  CString headerPath;
  CString footerPath;

private:
  // Makes the template at `index` current, with its scale; nothing when there is none.
  void MakeCurrent(int index);
  void Capture(CQlmPrintRect* rect, int source);
};
