// Draws the main window with the real head CT shown in its views into a PNG
// file, for the documentation:
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" QlmViewsScreenshot docs/views-real-ct.png
//
// The CT around the upper jaw fills the axial, cross-section and panoramic
// views, each moved through its window's SetSlice to the teeth; the 3D view
// shows the head's surface mesh as a plain actor.
#include <vtkActor.h>
#include <vtkImageData.h>
#include <vtkNew.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>
#include <vtkXMLPolyDataReader.h>

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "../ct/QlmJawVolume.h"
#include "QlmTestData.h"
#include "QlmViewSetUp.h"
#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmResourceIds.h"
#include "app/QlmResourceScript.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "platform/gui/CDialog.h"
#include "platform/gui/CWinApp.h"
#include "tests/support/QlmTempDir.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle3.h"

namespace {

// 153.6 x 153.6 x 120 mm around the upper jaw at 0.6 mm.
constexpr int Dimensions[3] = {256, 256, 200};
constexpr double Spacing = 0.6;

void Wait(int ms) {
  for (int step = 0; step < ms / 10; ++step) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

void ShowHeadSurface(CQlmQuorvantile& q) {
  vtkNew<vtkXMLPolyDataReader> reader;
  reader->SetFileName(QlmTestData::Path(QlmTestData::CraniumSurface).string().c_str());
  vtkNew<vtkPolyDataMapper> mapper;
  mapper->SetInputConnection(reader->GetOutputPort());
  mapper->ScalarVisibilityOff();
  vtkNew<vtkActor> surface;
  surface->SetMapper(mapper);
  surface->GetProperty()->SetColor(0.93, 0.89, 0.80);
  q.Window3D->Renderer3->AddActor(surface);
  q.Style3D->ViewFront();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: QlmViewsScreenshot <picture.png>\n");
    return 2;
  }
  QApplication application(argc, argv);
  QlmTempDir appData;
  ::setenv("QLM_COMMON_APPDATA", appData.Path().c_str(), 1);
  ::unsetenv("QLM_WEB_SERVER");
  QlmRegisterResources();
  CDialog::SetModalHook([](CDialog&) { return INT_PTR(IDCANCEL); });

  std::string why;
  vtkSmartPointer<vtkImageData> volume = QlmJawVolume::Make(Dimensions, Spacing, why);
  if (!volume) {
    std::fprintf(stderr, "%s\n", why.c_str());
    return 1;
  }
  CWinApp app;
  CMainFrame frame;
  app.m_pMainWnd = &frame;
  if (!frame.LoadFrame(IDR_MAINFRAME)) return 1;
  Wait(200);

  CQlmQuorvantile& q = *frame.GetController();
  QlmViewSetUp::ShowVolume(frame, volume);
  const int teeth = static_cast<int>((QlmJawVolume::TeethBottom + QlmJawVolume::TeethTop) / 2 / Spacing);
  frame.AxialView->SetSlice(teeth);
  frame.CrossView->SetSlice(q.CTFilter->GetCrossFilter()->GetMaxIndex() / 4);
  frame.PanoramicView->SetSlice(q.PanoramicCalc->GetMiddleCurve() + 2);
  ShowHeadSurface(q);
  q.WindowAxial->Render();
  q.WindowCross->Render();
  q.WindowPanoramic->Render();
  q.Window3D->Render();
  Wait(300);

  const QImage picture = frame.GetSafeHwnd()->grab().toImage();
  const bool saved = picture.save(QString::fromLocal8Bit(argv[1]));
  frame.DestroyWindow();
  app.m_pMainWnd = nullptr;
  return saved ? 0 : 1;
}
