#include "app/CQlmScreenCapture.h"

#include <vtkBMPWriter.h>
#include <vtkImageData.h>
#include <vtkJPEGWriter.h>
#include <vtkNew.h>
#include <vtkUnsignedCharArray.h>

#include <exception>
#include <memory>

#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmConfig.h"
#include "output/CDialogPrintParam.h"
#include "platform/CAtomicFile.h"
#include "platform/CQlmPrompter.h"
#include "platform/QlmPath.h"
#include "views/CQlm3DWindow9OffScreen.h"
#include "views/CQlm3DWindowOffScreen.h"
#include "views/CQlmOverlayRedirect.h"
#include "views/CQlmViewOverlays.h"
#include "views/CQlmViewOverlays9.h"

namespace {

constexpr int JpegQuality = 75;
constexpr float Resolution3D = 100.0f;

bool IsJpeg(const std::string& path) { return CString(QlmPath::Extension(path)).CompareNoCase("jpg") == 0; }

// The 2D sizing: true scale at the resolution (a forced size or the visible
// area at 1:1), or the visible area in the forced proportion, or the view's
// size. Only true scale resamples, when texts and lines are to follow.
template <class Copy>
void Size2D(Copy& copy, const CQlmScreenCapture::Settings& values) {
  if (values.TrueScale) {
    copy.Resample = values.ScaleTextLines;
    if (values.ForceRectangle)
      copy.SetSizeMM(values.Width, values.Height);
    else
      copy.SetTrueScale();
  } else if (values.ForceRectangle) {
    copy.SetViewExtent(values.Width, values.Height);
  }
}

}  // namespace

void CQlmScreenCapture::Run() {
  Views views;
  if (!this->AskSettings(views)) return;
  this->Path = this->AskPath();
  if (this->Path.IsEmpty()) return;
  if (views.Axial) this->CaptureSingle(false);
  if (views.Panoramic) this->CaptureSingle(true);
  if (views.View3D) this->Capture3D();
  if (views.Cross) this->CaptureCross();
  const Settings& s = this->Values;
  WriteConfigScreenShot(s.Resolution, s.Multiplier3D, s.TrueScale, s.ForceRectangle, s.Width, s.Height,
                        s.ScaleTextLines);
}

bool CQlmScreenCapture::AskSettings(Views& views) {
  Settings& s = this->Values;
  ReadConfigScreenShot(s.Resolution, s.Multiplier3D, s.TrueScale, s.ForceRectangle, s.Width, s.Height,
                       s.ScaleTextLines);
  CDialogPrintParam dialog(this->Controller->MainFrame);
  dialog.Resolution = s.Resolution;
  dialog.Multiplier3D = s.Multiplier3D;
  dialog.TrueScale = s.TrueScale;
  dialog.FixedSize = s.ForceRectangle;
  dialog.Width = static_cast<unsigned>(s.Width);
  dialog.Height = static_cast<unsigned>(s.Height);
  dialog.ScaleTextLines = s.ScaleTextLines;
  if (dialog.DoModal() != IDOK) return false;
  s = Settings{dialog.Resolution,
               dialog.Multiplier3D,
               dialog.TrueScale,
               dialog.FixedSize,
               static_cast<int>(dialog.Width),
               static_cast<int>(dialog.Height),
               dialog.ScaleTextLines};
  views = Views{dialog.Axial, dialog.Panoramic, dialog.View3D, dialog.CrossSection};
  return views.Axial || views.Panoramic || views.View3D || views.Cross;
}

CString CQlmScreenCapture::AskPath() {
  CString path = CQlmPrompter::Current().ChooseSaveFile("Gerador de Captura da Tela", CString(),
                                                        "JPEG Files (*.jpg)|*.jpg|Windows Bitmap (*.bmp)|*.bmp||");
  if (path.IsEmpty()) return path;
  const CString extension(QlmPath::Extension(path.Str()));
  if (extension.IsEmpty()) return path + ".jpg";
  if (extension.CompareNoCase("jpg") == 0 || extension.CompareNoCase("bmp") == 0) return path;
  QlmMessageBox("Formato de arquivo não suportado: ." + extension + "\nUse .jpg ou .bmp", "Erro", QlmButtons::Ok,
                QlmIcon::Error);
  return CString();
}

std::string CQlmScreenCapture::ViewFileName(const std::string& path, const std::string& view) {
  std::string name = QlmPath::FileName(path);
  const size_t point = name.rfind('.');
  name.insert(point == std::string::npos ? name.size() : point, view);
  const std::string folder = QlmPath::Directory(path);
  return folder.empty() ? name : QlmPath::Join(folder, name);
}

bool CQlmScreenCapture::WritePicture(vtkImageData* image, const std::string& path) const {
  vtkUnsignedCharArray* bytes = nullptr;
  vtkNew<vtkJPEGWriter> jpeg;
  vtkNew<vtkBMPWriter> bmp;
  if (IsJpeg(path)) {
    jpeg->SetQuality(JpegQuality);
    jpeg->WriteToMemoryOn();
    jpeg->SetInputData(image);
    jpeg->Write();
    bytes = jpeg->GetResult();
  } else {
    bmp->WriteToMemoryOn();
    bmp->SetInputData(image);
    bmp->Write();
    bytes = bmp->GetResult();
  }
  if (!bytes || bytes->GetNumberOfValues() == 0) return false;
  try {
    CAtomicFile file;
    if (!file.Open(path)) return false;
    file.Write(bytes->GetPointer(0), static_cast<size_t>(bytes->GetNumberOfValues()));
    file.Commit();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

void CQlmScreenCapture::Finish(vtkImageData* image, bool rendered, const char* view, const char* separator) {
  const std::string path = ViewFileName(this->Path.Str(), view);
  if (rendered && this->WritePicture(image, path)) return;
  const CString shown =
      CString(QlmPath::FileTitle(this->Path.Str())) + view + "." + CString(QlmPath::Extension(this->Path.Str()));
  QlmMessageBox(CString("Erro ao criar arquivo") + separator + shown, "Erro", QlmButtons::Ok, QlmIcon::Error);
}

template <class Copy, class Window, class Overlays>
void CQlmScreenCapture::Capture2D(Window* window, Overlays& overlays, const char* view) {
  const std::unique_ptr<Copy> copy(Copy::New());
  copy->OutputResolution = static_cast<float>(this->Values.Resolution);
  copy->CopyFromWindow(window);
  bool rendered = false;
  {
    CQlmOverlayRedirect redirect(overlays, copy.get());
    Size2D(*copy, this->Values);
    rendered = copy->Render();
  }
  this->Finish(copy->Image, rendered, view, ":\n");
}

void CQlmScreenCapture::CaptureSingle(bool panoramic) {
  CQlmQuorvantile& q = *this->Controller;
  if (panoramic)
    this->Capture2D<CQlm3DWindowOffScreen>(q.WindowPanoramic, *q.OverlaysPanoramic, "Panoramic");
  else
    this->Capture2D<CQlm3DWindowOffScreen>(q.WindowAxial, *q.OverlaysAxial, "Axial");
}

void CQlmScreenCapture::Capture3D() {
  CQlmQuorvantile& q = *this->Controller;
  const Settings& s = this->Values;
  const std::unique_ptr<CQlm3DWindowOffScreen> copy(CQlm3DWindowOffScreen::New());
  copy->OutputResolution = Resolution3D;
  copy->RenderResolution = Resolution3D;
  copy->CopyFromWindow(q.Window3D);
  bool rendered = false;
  {
    CQlmOverlayRedirect redirect(*q.Overlays3D, copy.get());
    if (s.TrueScale) {
      if (s.ForceRectangle) copy->SetOutputSize(s.Width, s.Height);
      copy->Resample = s.ScaleTextLines;
      copy->SetScaleFactor(s.Multiplier3D);
    } else if (s.ForceRectangle) {
      copy->SetOutputSize(s.Width, s.Height);
    }
    rendered = copy->Render();
  }
  this->Finish(copy->Image, rendered, "3D", ": \n");
}

void CQlmScreenCapture::CaptureCross() {
  this->Capture2D<CQlm3DWindow9OffScreen>(this->Controller->WindowCross, *this->Controller->OverlaysCross, "Cross");
}
