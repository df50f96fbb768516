// Draws the main window with a project opened from the command line, as the
// program starts with it, into a PNG file for the documentation:
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" QlmProjectScreenshot
//   [--arch|--edited-arch|--indicators|--strong-profile|--nerve-window]
//   <project.qlm> <picture.png>
//
// With --arch the arch curve is being edited: the arch-curve tool shows it
// over the axial view. With --edited-arch one of its points has also been
// moved and released, so the panoramic view follows the new arch. With
// --indicators every position indicator of the four views is shown with its
// numbers. With --strong-profile the views and indicators are in the strong
// colour profile with the section numbers shown. With --nerve-window the
// panoramic view is the nerve window of the project's first nerve.
#include <vtkCamera.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
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
#include "ct/CQlmBall.h"
#include "ct/CQlmPolyLine.h"
#include "objects/CQlmNerves.h"
#include "platform/gui/CDialog.h"
#include "tests/support/QlmTempDir.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmIndicator.h"
#include "views/CQlmInteractorStyle2.h"

namespace {

void Wait(int ms) {
  for (int step = 0; step < ms / 10; ++step) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Moves arch point `index` by (dx, dy) mm and releases the button as the end of a drag does.
void MoveArchPoint(CQlmQuorvantile& q, int index, double dx, double dy) {
  CQlmPolyLine& line = *q.PolyLine;
  line.SelectPoint(line.GetBalls().GetListItemAt(index)->GetActor());
  vtkNew<vtkMatrix4x4> placement;
  placement->DeepCopy(line.GetSelectedPointMatrix());
  placement->SetElement(0, 3, placement->GetElement(0, 3) + dx);
  placement->SetElement(1, 3, placement->GetElement(1, 3) + dy);
  line.MoveSelectedPoint(placement);
  q.WindowAxial->Render();
  q.StyleAxial->OnLeftButtonUp(0, 0, 0);
  Wait(300);
}

}  // namespace

int main(int argc, char** argv) {
  const bool edited = argc == 4 && std::strcmp(argv[1], "--edited-arch") == 0;
  const bool arch = edited || (argc == 4 && std::strcmp(argv[1], "--arch") == 0);
  const bool indicators = argc == 4 && std::strcmp(argv[1], "--indicators") == 0;
  const bool strong = argc == 4 && std::strcmp(argv[1], "--strong-profile") == 0;
  const bool nerveWindow = argc == 4 && std::strcmp(argv[1], "--nerve-window") == 0;
  if (argc != 3 && !arch && !indicators && !strong && !nerveWindow) {
    std::fprintf(stderr,
                 "usage: QlmProjectScreenshot [--arch|--edited-arch|--indicators|--strong-profile|--nerve-window] "
                 "<project.qlm> <picture.png>\n");
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
    q.ToggleCurveEdit();
    Wait(300);
  }
  if (edited) MoveArchPoint(q, 2, 6.0, 5.0);
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

  if (strong) {
    // "Indicators Advanced: " with the section numbers and the strong profile.
    const int values[18] = {1, 0, 5, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 1, 1};
    q.ApplyIndicatorValues(values);
    q.WindowAxial->Render();
    q.WindowCross->Render();
    q.WindowPanoramic->Render();
    q.Window3D->Render();
    Wait(300);
  }

  if (nerveWindow) {
    // The first nerve with its cuts shown.
    q.NerveEditing = 1;
    q.NerveContainer->EnterNerveWindow();
    q.NerveContainer->SetCurrentVisibility(1);
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
