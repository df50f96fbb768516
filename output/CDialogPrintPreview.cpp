#include "output/CDialogPrintPreview.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <iterator>
#include <optional>
#include <utility>

#include "app/QlmConfig.h"
#include "output/CDialogPrintPaper.h"
#include "output/CDialogPrintTemplate.h"
#include "output/CDialogPrintText.h"
#include "output/CQlmPrintPreview.h"
#include "platform/CQlmPrompter.h"
#include "platform/gui/CMenu.h"
#include "platform/gui/QlmResource.h"

namespace {

constexpr int StatusHeight = 20;
constexpr int StatusEdges[] = {65, 150, 250, 290, 360, 400};
constexpr const char* DataLost = "Os dados do seu Template atual serão perdidos, Deseja continuar ?";

const QlmDialogTemplate& PreviewTemplate() {
  static const QlmDialogTemplate dialog{259, "Visualização da Impressão", 280, 370, {}};
  return dialog;
}

using QlmResource::MenuItem;
MenuItem Entry(const char* text, UINT id) { return MenuItem{text, id, {}}; }
MenuItem Popup(const char* text, std::vector<MenuItem> items) { return MenuItem{text, 0, std::move(items)}; }

// Template colours are 0x00BBGGRR.
QlmRgb RgbOf(uint32_t colour) {
  return {static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF), static_cast<int>((colour >> 16) & 0xFF)};
}
uint32_t ColourOf(const QlmRgb& rgb) {
  return static_cast<uint32_t>(rgb[0] & 0xFF) | static_cast<uint32_t>(rgb[1] & 0xFF) << 8 |
         static_cast<uint32_t>(rgb[2] & 0xFF) << 16;
}

bool Confirmed(const char* question) {
  return QlmMessageBox(question, "Atenção", QlmButtons::YesNo, QlmIcon::Warning) == QlmAnswer::Yes;
}

}  // namespace

CDialogPrintPreview::CDialogPrintPreview() : CDialog(PreviewTemplate()) { this->MapCommands(); }

void CDialogPrintPreview::RegisterResources() {
  constexpr UINT S = ID_SEPARATOR;
  QlmResource::RegisterToolBar(ToolBarResource, {{PrintTemplate, S, NewTemplate, DeleteTemplate, PreviousTemplate,
                                                   NextTemplate, S, TemplateList, PaperSize, Colours, S, Exit},
                                                  ":/buttons"});
  QlmResource::RegisterMenu(HeadingMenu, {Popup("Cabeçalho", {Entry("Imagem", Picture), Entry("Limpar", ClearHeading)})});
  QlmResource::RegisterMenu(
      CellMenu, {Popup("Célula", {Popup("Axial", {Entry("1:1", AxialTrueScale), Entry("Tela", AxialScreen)}),
                                  Popup("Transversal", {Entry("1:1", CrossTrueScale), Entry("Tela", CrossScreen)}),
                                  Popup("Panorâmica", {Entry("1:1", PanoramicTrueScale), Entry("Tela", PanoramicScreen)}),
                                  Popup("3D", {Entry("Tela", View3DScreen)}), Entry("Implantes", Implants),
                                  Entry("Texto", Text), Entry("Limpar", ClearCell)})});
  const std::pair<UINT, const char*> prompts[] = {
      {PrintTemplate, "Impressão do Template\nImpressão do Template"},
      {NewTemplate, "Novo Template\nNovo Template"},
      {PreviousTemplate, "Template Anterior\nTemplate Anterior"},
      {NextTemplate, "Template Posterior\nTemplate Posterior"},
      {TemplateList, "Lista de Templates\nLista de Templates"},
      {PaperSize, "Tamanho Página\nTamanho Página"},
      {Colours, "Definir Cores\nDefinir Cores"},
      {Exit, "Sair\nSair"},
  };
  for (const auto& [id, text] : prompts) QlmResource::RegisterString(id, text);
}

CString CDialogPrintPreview::PaperNameOf(float ratio) {
  if (ratio == CQlmPrintTemplate::A4) return "A4";
  if (ratio == CQlmPrintTemplate::A3) return "A3";
  if (ratio == CQlmPrintTemplate::Legal) return "Legal";
  if (ratio == CQlmPrintTemplate::Letter) return "Letter";
  return CString();
}

void CDialogPrintPreview::MapCommands() {
  this->MapCommand(PrintTemplate, [this] { this->OnPrint(); });
  this->MapCommand(NewTemplate, [this] { this->OnNewTemplate(); });
  this->MapCommand(DeleteTemplate, [this] { this->OnDeleteTemplate(); });
  this->MapCommand(PreviousTemplate, [this] { this->OnPreviousTemplate(); });
  this->MapCommand(NextTemplate, [this] { this->OnNextTemplate(); });
  this->MapCommand(TemplateList, [this] { this->OnTemplateList(); });
  this->MapCommand(PaperSize, [this] { this->OnPaperSize(); });
  this->MapCommand(Colours, [this] { this->OnColours(); });
  this->MapCommand(Exit, [this] { this->DestroyWindow(); });
  this->MapCommand(Picture, [this] { this->OnPicture(); });
  this->MapCommand(ClearHeading, [this] { this->OnCell(&CQlmPrintPreview::ClearCell); });
  this->MapCommand(ClearCell, [this] { this->OnCell(&CQlmPrintPreview::ClearCell); });
  this->MapCommand(Implants, [this] { this->OnCell(&CQlmPrintPreview::PlaceImplantTable); });
  this->MapCommand(Text, [this] { this->OnText(); });
  const std::pair<UINT, void (CQlmPrintPreview::*)(CQlmPrintRect*)> captures[] = {
      {AxialTrueScale, &CQlmPrintPreview::CaptureAxialTrueScale},
      {AxialScreen, &CQlmPrintPreview::CaptureAxial},
      {CrossTrueScale, &CQlmPrintPreview::CaptureCrossTrueScale},
      {CrossScreen, &CQlmPrintPreview::CaptureCross},
      {PanoramicTrueScale, &CQlmPrintPreview::CapturePanoramicTrueScale},
      {PanoramicScreen, &CQlmPrintPreview::CapturePanoramic},
      {View3DScreen, &CQlmPrintPreview::Capture3D},
  };
  for (const auto& [id, capture] : captures) this->MapCommand(id, [this, capture] { this->OnCapture(capture); });
}

BOOL CDialogPrintPreview::OnInitDialog() {
  CDialog::OnInitDialog();
  if (!this->printer || !this->printer->currentTemplate || !this->toolBar.CreateInWindow(this) ||
      !this->toolBar.LoadToolBar(ToolBarResource)) {
    this->EndDialog(IDCANCEL);
    return TRUE;
  }
  this->PlaceBars();
  this->ShrinkToScreen();
  this->FitCurrentToWindow();
  this->PrepareFirstTemplate();
  this->printer->UpdateImplantSource();
  this->EnableTemplateButtons();
  this->FillStatus();
  this->printer->previewOpened = 1;
  return TRUE;
}

void CDialogPrintPreview::PlaceBars() {
  QWidget* dialog = this->GetSafeHwnd();
  QWidget* bar = this->toolBar.GetSafeHwnd();
  const int width = dialog->width();
  const int height = dialog->height() + bar->height() + StatusHeight;
  dialog->setFixedSize(width, height);
  bar->setGeometry(0, 0, width, bar->height());
  this->statusBar.Create(0, CRect(0, height - StatusHeight, width, height), this, AFX_IDW_STATUS_BAR);
  this->statusBar.SetParts(static_cast<int>(std::size(StatusEdges)), StatusEdges);
}

void CDialogPrintPreview::ShrinkToScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  QWidget* dialog = this->GetSafeHwnd();
  const QSize room = screen->geometry().size();
  const int width = dialog->width() > room.width() ? room.width() * 9 / 10 : dialog->width();
  const int height = dialog->height() > room.height() ? room.height() * 9 / 10 : dialog->height();
  if (width == dialog->width() && height == dialog->height()) return;
  dialog->setFixedSize(width, height);
  this->toolBar.GetSafeHwnd()->setFixedWidth(width);
  this->statusBar.MoveWindow(CRect(0, height - StatusHeight, width, height));
}

void CDialogPrintPreview::FitCurrentToWindow() {
  CRect client;
  this->GetClientRect(&client);
  this->printer->SetArea(client.left, client.top, client.right, client.bottom);
}

void CDialogPrintPreview::PrepareFirstTemplate() {
  CQlmPrintTemplate& page = *this->printer->currentTemplate;
  if (page.cells.GetCount()) return;
  float ratio = CQlmPrintTemplate::A4;
  int layout = 5;
  int colour = 0xFFFFFF;
  CString header, footer;
  ReadConfigPrinterProperty(ratio, layout, colour, header, footer);
  this->printer->SetPaperRatio(ratio);
  this->printer->SetLayout(layout);
  page.SetColor(static_cast<uint32_t>(colour));
  this->printer->LoadHeaderFooter(GetConfigFolder(), header, footer);
  page.headerPath = this->printer->headerPath;
  page.footerPath = this->printer->footerPath;
  this->printer->LayoutCurrent();
}

void CDialogPrintPreview::FillStatus() {
  this->statusBar.SetText("Template ", LayoutTitle);
  this->ShowLayout(this->printer->currentTemplate->layout);
  this->statusBar.SetText("Tamanho Papel", PaperTitle);
  this->ShowPaper(this->printer->currentTemplate->paperRatio);
  this->statusBar.SetText("Páginas", PagesTitle);
  this->ShowPages();
}

void CDialogPrintPreview::ShowPaper(float ratio) {
  this->printer->SetPaperRatio(ratio);
  this->statusBar.SetText(PaperNameOf(ratio), PaperName);
}

void CDialogPrintPreview::ShowLayout(int layout) {
  this->printer->SetLayout(layout);
  this->statusBar.SetText(CString::Formatted("Template %dx1", layout), LayoutName);
}

void CDialogPrintPreview::ShowPages() {
  this->statusBar.SetText(
      CString::Formatted("%d/%d", this->printer->currentIndex + 1, this->printer->templates.GetCount()), PageNumber);
}

void CDialogPrintPreview::EnableTemplateButtons() {
  const int count = this->printer->templates.GetCount();
  const int index = this->printer->currentIndex;
  this->toolBar.EnableButton(DeleteTemplate, count > 1);
  this->toolBar.EnableButton(PreviousTemplate, index > 0);
  this->toolBar.EnableButton(NextTemplate, index < count - 1);
}

void CDialogPrintPreview::WritePrinterProperty() const {
  const CQlmPrintTemplate& page = *this->printer->currentTemplate;
  WriteConfigPrinterProperty(page.paperRatio, page.layout, static_cast<int>(page.colour), this->printer->headerPath,
                             this->printer->footerPath);
}

void CDialogPrintPreview::TemplateChanged() {
  this->EnableTemplateButtons();
  this->statusBar.SetText(PaperNameOf(this->printer->currentTemplate->paperRatio), PaperName);
  this->statusBar.SetText(CString::Formatted("Template %dx1", this->printer->currentTemplate->layout), LayoutName);
  this->ShowPages();
  this->Invalidate();
}

void CDialogPrintPreview::OnPaint() {
  if (!this->printer) return;
  QPainter painter(this->GetSafeHwnd());
  this->printer->Paint(painter);
}

void CDialogPrintPreview::OnRButtonUp(UINT, CPoint point) {
  if (!this->printer->currentTemplate) return;
  CQlmPrintRect* hit = this->printer->currentTemplate->HitTest(point);
  if (!hit) return;
  this->printer->currentCell = hit;
  const bool heading = hit->role == CQlmPrintRect::Header || hit->role == CQlmPrintRect::Footer;
  CMenu menu;
  if (!menu.LoadMenu(heading ? HeadingMenu : CellMenu)) return;
  const QPoint at = this->GetSafeHwnd()->mapToGlobal(QPoint(point.x, point.y));
  menu.GetSubMenu(0)->TrackPopupMenu(0, at.x(), at.y(), this);
}

void CDialogPrintPreview::OnPrint() {
  if (QlmMessageBox("Confirma a impressão?", "Atenção", QlmButtons::YesNo, QlmIcon::Question) != QlmAnswer::Yes) return;
  this->printer->PrintFromPreview();
}

void CDialogPrintPreview::OnNewTemplate() {
  float ratio = CQlmPrintTemplate::A4;
  int layout = 5;
  int colour = 0xFFFFFF;
  CString header, footer;
  ReadConfigPrinterProperty(ratio, layout, colour, header, footer);
  this->printer->LoadHeaderFooter(GetConfigFolder(), header, footer);
  this->printer->NewTemplate(ratio, layout, static_cast<uint32_t>(colour));
  this->FitCurrentToWindow();
  this->printer->LayoutCurrent();
  this->TemplateChanged();
}

void CDialogPrintPreview::OnDeleteTemplate() {
  if (!Confirmed("Você realmente deseja apagar o Template atual ?")) return;
  this->printer->DeleteTemplate();
  this->FitCurrentToWindow();
  this->TemplateChanged();
}

void CDialogPrintPreview::OnPreviousTemplate() {
  this->printer->PreviousTemplate();
  this->FitCurrentToWindow();
  this->TemplateChanged();
}

void CDialogPrintPreview::OnNextTemplate() {
  this->printer->NextTemplate();
  this->FitCurrentToWindow();
  this->TemplateChanged();
}

void CDialogPrintPreview::OnTemplateList() {
  CDialogPrintTemplate list(this);
  list.owner = this;
  list.layout = this->printer->currentTemplate->layout;
  list.count = 9;
  if (list.DoModal() == IDOK) this->Invalidate();
  this->WritePrinterProperty();
}

void CDialogPrintPreview::OnPaperSize() {
  CDialogPrintPaper paper(this);
  paper.ratio = this->printer->currentTemplate->paperRatio;
  if (paper.DoModal() != IDOK || !Confirmed(DataLost)) return;
  const float ratio = CDialogPrintPaper::RatioOf(paper.choice);
  if (ratio <= 0) return;
  this->ShowPaper(ratio);
  this->printer->ComputeScale();
  this->printer->LayoutCurrent();
  this->Invalidate();
  this->WritePrinterProperty();
}

void CDialogPrintPreview::OnColours() {
  CQlmPrintTemplate& page = *this->printer->currentTemplate;
  if (const std::optional<QlmRgb> chosen = CQlmPrompter::Current().ChooseColor(RgbOf(page.colour))) {
    page.SetColor(ColourOf(*chosen));
    this->Invalidate();
  }
  this->WritePrinterProperty();
}

void CDialogPrintPreview::OnPicture() {
  const CQlmPrintRect* cell = this->printer->currentCell;
  if (!cell) return;
  QlmMessageBox(cell->role == CQlmPrintRect::Header ? "A proporção recomendada para a imagem é de 1 x 0.146"
                                                    : "A proporção recomendada para a imagem é de 1 x 0.104",
                "Atenção", QlmButtons::Ok, QlmIcon::Warning);
  if (this->printer->ChoosePicture()) this->WritePrinterProperty();
  this->Invalidate();
}

void CDialogPrintPreview::OnText() {
  if (!this->printer->currentCell) return;
  CDialogPrintText text(this);
  text.text = this->printer->currentCell->GetText();
  text.printer = this->printer;
  if (text.DoModal() == IDOK) this->printer->PlaceText();
  this->Invalidate();
}

void CDialogPrintPreview::OnCell(void (CQlmPrintPreview::*action)()) {
  (this->printer->*action)();
  this->Invalidate();
}

void CDialogPrintPreview::OnCapture(void (CQlmPrintPreview::*capture)(CQlmPrintRect*)) {
  (this->printer->*capture)(this->printer->currentCell);
  this->Invalidate();
}
