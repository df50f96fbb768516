// Draws the preview of the report pages on a project, its cells filled with
// the panoramic, cross-section, axial and 3D views and the implant table of
// one implant placed at the centre of the axial view, into a PNG file:
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" QlmPrintPreviewScreenshot <project.qlm> <picture.png>
#include <vtkCamera.h>
#include <vtkRenderer.h>

#include <QImage>
#include <QWidget>
#include <cstdio>

#include "QlmScreenshotSession.h"
#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "objects/CQlmImplants.h"
#include "output/CDialogPrintPreview.h"
#include "output/CQlmPrintPreview.h"
#include "views/CQlm3DWindow.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: QlmPrintPreviewScreenshot <project.qlm> <picture.png>\n");
    return 2;
  }
  QlmScreenshotSession session(argc, argv);
  CMainFrame frame;
  if (!session.OpenProject(frame, argv[1])) return 1;
  CQlmQuorvantile& q = *frame.GetController();
  double centre[3];
  q.WindowAxial->Renderer0->GetActiveCamera()->GetFocalPoint(centre);
  q.ImplantContainer->AddImplant(static_cast<const CQlmLayeredWindow*>(q.WindowAxial), centre, 4.0f, 11.5f, 2.0f, 0, -1);
  q.WindowAxial->Render();

  q.ShowPrintPreview();
  QlmScreenshotSession::Wait(300);
  CQlmPrintPreview& report = *q.PrintPreview;
  CQlmPrintTemplate& page = *report.currentTemplate;
  report.CapturePanoramic(page.cells.GetAt(0));
  report.CaptureCross(page.cells.GetAt(1));
  report.CaptureAxial(page.cells.GetAt(2));
  report.Capture3D(page.cells.GetAt(3));
  report.currentCell = page.cells.GetAt(4);
  report.PlaceImplantTable();
  QWidget* preview = q.PreviewDialog->GetSafeHwnd();
  preview->update();
  QlmScreenshotSession::Wait(300);
  const bool saved = preview->grab().toImage().save(QString::fromLocal8Bit(argv[2]));
  frame.DestroyWindow();
  session.App.m_pMainWnd = nullptr;
  return saved ? 0 : 1;
}
