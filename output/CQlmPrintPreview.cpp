#include "output/CQlmPrintPreview.h"

#include <QFile>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <utility>

#include "output/CQlmReportViews.h"
#include "platform/CArchive.h"
#include "platform/CQlmPrompter.h"
#include "platform/QlmPath.h"
#include "platform/gui/CPrintDialog.h"

namespace {

// `path` when the file opens for reading, else `name` in `folder`.
CString ReadablePath(const CString& path, const CString& folder, const char* name) {
  QFile file(QString::fromStdString(QlmPath::ToNative(path.Str())));
  if (!path.IsEmpty() && file.open(QIODevice::ReadOnly)) return path;
  return CString(QlmPath::Join(folder.Str(), name));
}

bool IsTrueScale(int source) {
  return source == CQlmPrintRect::AxialTrueScale || source == CQlmPrintRect::CrossTrueScale ||
         source == CQlmPrintRect::PanoramicTrueScale;
}

float PaperHeightMM(float ratio) {
  if (ratio == CQlmPrintTemplate::A3) return CQlmPrintPreview::A3HeightMM;
  if (ratio == CQlmPrintTemplate::Letter) return CQlmPrintPreview::LetterHeightMM;
  if (ratio == CQlmPrintTemplate::Legal) return CQlmPrintPreview::LegalHeightMM;
  return CQlmPrintPreview::A4HeightMM;
}

}  // namespace

void CQlmPrintPreview::Serialize(CArchive& archive) {
  if (archive.IsStoring()) {
    archive << this->currentIndex << this->previewOpened;
    this->templates.Serialize(archive);
    return;
  }
  archive >> this->currentIndex >> this->previewOpened;
  this->templates.Serialize(archive);
  const int count = this->templates.GetCount();
  this->currentIndex = count ? std::clamp(this->currentIndex, 0, count - 1) : 0;
  this->currentTemplate = this->templates.GetAt(this->currentIndex);
}

void CQlmPrintPreview::SwapStoredState(CQlmPrintPreview& other) {
  this->templates.Swap(other.templates);
  std::swap(this->currentTemplate, other.currentTemplate);
  std::swap(this->currentIndex, other.currentIndex);
  std::swap(this->previewOpened, other.previewOpened);
}

void CQlmPrintPreview::LoadHeaderFooter(const CString& folder, const CString& header, const CString& footer) {
  this->headerPath = ReadablePath(header, folder, "header.bmp");
  this->footerPath = ReadablePath(footer, folder, "footer.bmp");
}

void CQlmPrintPreview::ComputeScale() {
  if (!this->currentTemplate) return;
  const CQlmPrintTemplate& page = *this->currentTemplate;
  this->scale = static_cast<float>(page.area.Height()) / PaperHeightMM(page.paperRatio);
}

void CQlmPrintPreview::LayoutCurrent() {
  if (!this->currentTemplate) return;
  this->currentTemplate->scale = this->scale;
  this->currentTemplate->LayoutPreview();
}

void CQlmPrintPreview::SetArea(int left, int top, int right, int bottom) {
  if (!this->currentTemplate) return;
  this->currentTemplate->SetArea(left, top, right, bottom);
  this->ComputeScale();
}

void CQlmPrintPreview::SetPaperRatio(float ratio) {
  if (!this->currentTemplate) return;
  this->currentTemplate->SetPaperRatio(ratio);
  this->ComputeScale();
}

void CQlmPrintPreview::SetLayout(int layout) {
  if (this->currentTemplate) this->currentTemplate->SetLayout(layout);
}

void CQlmPrintPreview::MakeCurrent(int index) {
  CQlmPrintTemplate* page = this->templates.GetAt(index);
  if (!page) return;
  this->currentTemplate = page;
  this->currentIndex = index;
  this->currentCell = nullptr;
  this->ComputeScale();
}

void CQlmPrintPreview::NewTemplate(float ratio, int layout, uint32_t colour) {
  // The new page takes the drawing area of the one shown so far.
  const CRect area = this->currentTemplate ? this->currentTemplate->area : CRect(0, 0, 10, 10);
  CQlmPrintTemplate* page = this->templates.AddNew();
  page->area = area;
  page->SetPaperRatio(ratio);
  page->SetLayout(layout);
  page->SetColor(colour);
  page->headerPath = this->headerPath;
  page->footerPath = this->footerPath;
  this->MakeCurrent(this->templates.IndexOf(page));
}

void CQlmPrintPreview::DeleteTemplate() {
  if (this->templates.GetCount() <= 1 || !this->currentTemplate) return;
  const int index = this->templates.IndexOf(this->currentTemplate);
  this->templates.RemoveAt(index);
  this->MakeCurrent(std::max(index - 1, 0));
}

void CQlmPrintPreview::PreviousTemplate() { this->MakeCurrent(this->currentIndex - 1); }

void CQlmPrintPreview::NextTemplate() { this->MakeCurrent(this->currentIndex + 1); }

void CQlmPrintPreview::ClearCell() {
  if (this->currentCell) this->currentCell->kind = CQlmPrintRect::Empty;
}

void CQlmPrintPreview::PlaceImplantTable() {
  if (!this->currentCell) return;
  this->currentCell->kind = CQlmPrintRect::ImplantTable;
  this->currentCell->implantSource = this->implants;
  this->currentCell->scale = this->scale;
}

void CQlmPrintPreview::PlaceText() {
  if (!this->currentCell) return;
  this->currentCell->text = this->textBuffer;
  this->currentCell->kind = CQlmPrintRect::Text;
  this->currentCell->scale = this->scale;
}

bool CQlmPrintPreview::ChoosePicture() {
  if (!this->currentCell || !this->currentTemplate) return false;
  const CString path = CQlmPrompter::Current().ChooseOpenFile("", "", "Windows Bitmap (*.bmp)|*.bmp|*.bmp|");
  QImage picture;
  if (path.IsEmpty() || !picture.load(QString::fromStdString(QlmPath::ToNative(path.Str())), "BMP")) return false;
  CQlmPrintRect& rect = *this->currentCell;
  rect.AttachBitmap(picture);
  rect.kind = CQlmPrintRect::StretchedPicture;
  rect.source = CQlmPrintRect::PictureFile;
  if (rect.role == CQlmPrintRect::Header) {
    this->headerPath = this->currentTemplate->headerPath = path;
  } else {
    this->footerPath = this->currentTemplate->footerPath = path;
  }
  return true;
}

void CQlmPrintPreview::UpdateImplantSource() {
  if (!this->currentTemplate) return;
  this->currentTemplate->cells.ForEach([this](CQlmPrintRect& cell) {
    if (cell.kind == CQlmPrintRect::ImplantTable) cell.implantSource = this->implants;
  });
}

void CQlmPrintPreview::Paint(QPainter& painter) {
  if (!this->currentTemplate) return;
  this->UpdateImplantSource();
  this->currentTemplate->DrawPreview(painter);
}

void CQlmPrintPreview::Capture(CQlmPrintRect* rect, int source) {
  if (!rect || !this->views) return;
  const QImage picture = this->views->CaptureView(source, this->renderResolution, this->outputResolution);
  if (picture.isNull()) return;
  rect->AttachCapture(picture.convertToFormat(QImage::Format_RGB32));
  rect->source = source;
  rect->trueScale = IsTrueScale(source) ? 1 : 0;
  if (rect->trueScale) rect->scale = this->scale;
}

void CQlmPrintPreview::CaptureAxial(CQlmPrintRect* rect) { this->Capture(rect, CQlmPrintRect::Axial); }
void CQlmPrintPreview::CaptureAxialTrueScale(CQlmPrintRect* rect) { this->Capture(rect, CQlmPrintRect::AxialTrueScale); }
void CQlmPrintPreview::CaptureCross(CQlmPrintRect* rect) { this->Capture(rect, CQlmPrintRect::Cross); }
void CQlmPrintPreview::CaptureCrossTrueScale(CQlmPrintRect* rect) { this->Capture(rect, CQlmPrintRect::CrossTrueScale); }
void CQlmPrintPreview::CapturePanoramic(CQlmPrintRect* rect) { this->Capture(rect, CQlmPrintRect::Panoramic); }
void CQlmPrintPreview::CapturePanoramicTrueScale(CQlmPrintRect* rect) {
  this->Capture(rect, CQlmPrintRect::PanoramicTrueScale);
}
void CQlmPrintPreview::Capture3D(CQlmPrintRect* rect) { this->Capture(rect, CQlmPrintRect::View3D); }

void CQlmPrintPreview::RefreshCaptures() {
  if (!this->currentTemplate) return;
  this->currentTemplate->printCells.ForEach([this](CQlmPrintRect& cell) {
    if (cell.source >= CQlmPrintRect::Axial && cell.source <= CQlmPrintRect::View3D) this->Capture(&cell, cell.source);
  });
}

QPageSize CQlmPrintPreview::PaperOf(float ratio) {
  if (ratio == CQlmPrintTemplate::A3) return QPageSize(QPageSize::A3);
  if (ratio == CQlmPrintTemplate::Letter) return QPageSize(QPageSize::Letter);
  if (ratio == CQlmPrintTemplate::Legal) return QPageSize(QPageSize::Legal);
  return QPageSize(QPageSize::A4);
}

void CQlmPrintPreview::PageCorners(const QPrinter& printer, CPoint& topLeft, CPoint& bottomRight) {
  const int dpi = printer.resolution();
  const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
  const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
  // The painter's origin is the printable area's corner, `offset` from the paper's.
  const int offsetX = page.left() - paper.left();
  const int offsetY = page.top() - paper.top();
  const double k = dpi / 25.4;
  const int side = static_cast<int>(15 * k);
  const int bottom = static_cast<int>(20 * k);
  topLeft = CPoint(side - offsetX, side - offsetY);
  bottomRight = CPoint(paper.width() - side - offsetX, paper.height() - bottom - offsetY);
}

bool CQlmPrintPreview::PrintOn(QPrinter& printer, bool asPreviewed, const CQlmImplantTableSource* implants) {
  if (!this->currentTemplate) return false;
  CQlmPrintTemplate& page = *this->currentTemplate;
  printer.setDocName("Quorvantile Report");
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setPageSize(PaperOf(page.paperRatio));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const int dpi = printer.resolution();
  QFont font("Times New Roman");
  font.setPointSize(8);
  font.setItalic(true);
  painter.setFont(font);
  CPoint topLeft, bottomRight;
  PageCorners(printer, topLeft, bottomRight);
  if (asPreviewed) {
    this->UpdateImplantSource();
    page.CopyPreviewToPrint(topLeft, bottomRight);
  } else {
    page.LayoutPrint(topLeft, bottomRight, implants);
    this->RefreshCaptures();
  }
  page.DrawPrint(painter, dpi);
  return painter.end();
}

bool CQlmPrintPreview::Print(const CQlmImplantTableSource* implants) {
  CPrintDialog printer(FALSE);
  return printer.GetDefaults() && this->PrintOn(printer.GetPrinter(), false, implants);
}

bool CQlmPrintPreview::PrintFromPreview() {
  CPrintDialog printer(FALSE);
  return printer.GetDefaults() && this->PrintOn(printer.GetPrinter(), true, nullptr);
}
