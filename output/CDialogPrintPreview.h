#pragma once
// The modeless preview of a project's report pages: the current template
// drawn as a page, a tool bar of template commands over it and a status
// line of layout, paper and page number under it. A right click on a cell,
// the header or the footer opens the menu that fills it. The report printer
// does the work on the page; the controller owns the dialog and the printer.
#include "platform/gui/CDialog.h"
#include "platform/gui/CStatusBarCtrl.h"
#include "platform/gui/CToolBar.h"

class CQlmPrintPreview;
class CQlmPrintRect;

class CDialogPrintPreview : public CDialog {
public:
  static constexpr UINT ToolBarResource = 33026;
  // Context menus of the header and footer, and of the cells.
  static constexpr UINT HeadingMenu = 256;
  static constexpr UINT CellMenu = 257;

  // Tool-bar commands.
  static constexpr UINT PrintTemplate = 33036;
  static constexpr UINT NewTemplate = 33106;
  static constexpr UINT DeleteTemplate = 33107;
  static constexpr UINT PreviousTemplate = 33108;
  static constexpr UINT NextTemplate = 33109;
  static constexpr UINT TemplateList = 33037;
  static constexpr UINT PaperSize = 33039;
  static constexpr UINT Colours = 33041;
  static constexpr UINT Exit = 33042;
  // Context-menu commands.
  static constexpr UINT Picture = 33047;
  static constexpr UINT ClearHeading = 33015;
  static constexpr UINT AxialTrueScale = 33060;
  static constexpr UINT AxialScreen = 33018;
  static constexpr UINT CrossTrueScale = 33064;
  static constexpr UINT CrossScreen = 33019;
  static constexpr UINT PanoramicTrueScale = 33068;
  static constexpr UINT PanoramicScreen = 33020;
  static constexpr UINT View3DScreen = 33021;
  static constexpr UINT Implants = 33022;
  static constexpr UINT Text = 33023;
  static constexpr UINT ClearCell = 33024;

  // Status parts.
  enum StatusPart { LayoutTitle = 0, LayoutName = 1, PaperTitle = 2, PaperName = 3, PagesTitle = 4, PageNumber = 5 };

  CDialogPrintPreview();

  // Registers the tool bar, the two context menus and the buttons' prompts.
  static void RegisterResources();
  // "A4", "A3", "Legal" or "Letter" for the four known ratios, else empty.
  static CString PaperNameOf(float ratio);

  // The current template takes `ratio`, shown in the status line.
  void ShowPaper(float ratio);
  // The current template takes `layout`, shown in the status line.
  void ShowLayout(int layout);
  // The current page number and the number of templates, in the status line.
  void ShowPages();

  CToolBar& GetToolBar() { return this->toolBar; }
  CStatusBarCtrl& GetStatusBar() { return this->statusBar; }

  // The project's report printer; not owned, set before Create.
  CQlmPrintPreview* printer = nullptr;

protected:
  BOOL OnInitDialog() override;
  void OnPaint() override;
  void OnRButtonUp(UINT flags, CPoint point) override;
  // Enter does not close the preview; Escape and the close box destroy it.
  void OnOK() override {}
  void OnCancel() override { this->DestroyWindow(); }

private:
  void MapCommands();
  // Grows the dialog by the tool bar over and the status line under the page.
  void PlaceBars();
  void ShrinkToScreen();
  // The current template is drawn in the whole client area.
  void FitCurrentToWindow();
  // A first template without cells takes the settings' paper, layout, colour
  // and pictures and is laid out.
  void PrepareFirstTemplate();
  void FillStatus();
  // Delete, previous and next as the number of templates and the current one allow.
  void EnableTemplateButtons();
  // The settings line "Printer Property: " from the current template and the printer.
  void WritePrinterProperty() const;
  // The template commands' common ending.
  void TemplateChanged();

  void OnPrint();
  void OnNewTemplate();
  void OnDeleteTemplate();
  void OnPreviousTemplate();
  void OnNextTemplate();
  void OnTemplateList();
  void OnPaperSize();
  void OnColours();
  void OnPicture();
  void OnText();
  // Runs `action` on the cell and repaints.
  void OnCell(void (CQlmPrintPreview::*action)());
  void OnCapture(void (CQlmPrintPreview::*capture)(CQlmPrintRect*));

  CToolBar toolBar;
  CStatusBarCtrl statusBar;
};
