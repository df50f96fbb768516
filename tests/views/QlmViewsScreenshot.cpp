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

#include <cstdio>
#include <string>

#include "../app/QlmScreenshotSession.h"
#include "../ct/QlmJawVolume.h"
#include "QlmTestData.h"
#include "QlmViewSetUp.h"
#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmResourceIds.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmPanoramicCalc.h"
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
  QlmScreenshotSession session(argc, argv);

  std::string why;
  vtkSmartPointer<vtkImageData> volume = QlmJawVolume::Make(Dimensions, Spacing, why);
  if (!volume) {
    std::fprintf(stderr, "%s\n", why.c_str());
    return 1;
  }
  CMainFrame frame;
  session.App.m_pMainWnd = &frame;
  if (!frame.LoadFrame(IDR_MAINFRAME)) return 1;
  QlmScreenshotSession::Wait(200);

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
  QlmScreenshotSession::Wait(300);
  return session.SaveAndClose(frame, argv[1]) ? 0 : 1;
}
