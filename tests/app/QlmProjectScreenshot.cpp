// Draws the main window with a project opened from the command line, as the
// program starts with it, into a PNG file for the documentation:
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" QlmProjectScreenshot [--arch|--indicators] <project.qlm> <picture.png>
//
// With --arch the arch curve is drawn over the axial view at its own
// coordinates, as the arch-curve tool shows it. With --indicators every
// position indicator of the four views is shown with its numbers.
#include <vtkCamera.h>
#include <vtkRenderer.h>

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/CMainFrame.h"
#include "app/CPQlmQuorvantileApp.h"
#include "app/CQlmQuorvantile.h"
#include "ct/CQlmPolyLine.h"
#include "platform/gui/CDialog.h"
#include "tests/support/QlmTempDir.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmIndicator.h"

namespace {

void Wait(int ms) {
  for (int step = 0; step < ms / 10; ++step) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

}  // namespace

int main(int argc, char** argv) {
  const bool arch = argc == 4 && std::strcmp(argv[1], "--arch") == 0;
  const bool indicators = argc == 4 && std::strcmp(argv[1], "--indicators") == 0;
  if (argc != 3 && !arch && !indicators) {
    std::fprintf(stderr, "usage: QlmProjectScreenshot [--arch|--indicators] <project.qlm> <picture.png>\n");
    return 2;
  }
  const char* project = argv[argc - 2];
  const char* picturePath = argv[argc - 1];
  QApplication application(argc, argv);
  QlmTempDir appData;
  ::setenv("QLM_COMMON_APPDATA", appData.Path().c_str(), 1);
  ::unsetenv("QLM_WEB_SERVER");
  CDialog::SetModalHook([](CDialog&) { return INT_PTR(IDCANCEL); });  // the splash closes at once

  CPQlmQuorvantileApp app{CString(project)};
  app.InitInstance();
  auto* frame = static_cast<CMainFrame*>(app.m_pMainWnd);
  Wait(300);
  CQlmQuorvantile& q = *frame->GetController();
  if (!q.ProjectOpen) {
    std::fprintf(stderr, "cannot open %s\n", project);
    return 1;
  }
  if (arch) {
    q.PolyLine->SetWindow(q.WindowAxial);
    q.PolyLine->AddToRenderer();
    q.WindowAxial->Render();
    Wait(300);
  }
  if (indicators) {
    q.Indicator->SetVisibility2D(1);
    q.Indicator->SetVisibility3D(1);
    q.Indicator->SetTransparent(1);
    q.Indicator->SetLabelVisibility(1);
    // Seen from the front, above and to the side, so the square, the plane and the band all show.
    vtkCamera* camera = q.Window3D->Renderer3->GetActiveCamera();
    camera->Azimuth(40);
    camera->Elevation(30);
    camera->OrthogonalizeViewUp();
    q.Window3D->Renderer3->ResetCamera();
    q.WindowAxial->Render();
    q.WindowCross->Render();
    q.WindowPanoramic->Render();
    q.Window3D->Render();
    Wait(300);
  }

  const QImage picture = frame->GetSafeHwnd()->grab().toImage();
  const bool saved = picture.save(QString::fromLocal8Bit(picturePath));
  frame->DestroyWindow();
  app.m_pMainWnd = nullptr;
  return saved ? 0 : 1;
}
