// Draws the main window with a project opened from the command line into a
// PNG file, for the documentation:
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" QlmMainWindowScreenshot \
//     ~/.cache/quorvantile/testdata/projects/Amostra.qlm docs/main-window-tool-bars.png
//
// The tool bars show the project's state: the implant fields with the
// project's implant defaults, the library bars as the libraries found allow.
#include <QApplication>
#include <QImage>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmResourceIds.h"
#include "app/QlmResourceScript.h"
#include "platform/gui/CDialog.h"
#include "platform/gui/CWinApp.h"
#include "tests/support/QlmTempDir.h"

namespace {

void Wait(int ms) {
  for (int step = 0; step < ms / 10; ++step) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: QlmMainWindowScreenshot <project.qlm> <picture.png>\n");
    return 2;
  }
  QApplication application(argc, argv);
  QlmTempDir appData;
  ::setenv("QLM_COMMON_APPDATA", appData.Path().c_str(), 1);
  ::unsetenv("QLM_WEB_SERVER");
  QlmRegisterResources();
  CDialog::SetModalHook([](CDialog&) { return INT_PTR(IDCANCEL); });

  CWinApp app;
  app.m_lpCmdLine = CString(argv[1]);
  CMainFrame frame;
  app.m_pMainWnd = &frame;
  frame.CommandLine = 1;
  if (!frame.LoadFrame(IDR_MAINFRAME) || !frame.GetController()->ProjectOpen) {
    std::fprintf(stderr, "%s did not open\n", argv[1]);
    return 1;
  }
  Wait(500);
  const QImage picture = frame.GetSafeHwnd()->grab().toImage();
  const bool saved = picture.save(QString::fromLocal8Bit(argv[2]));
  frame.DestroyWindow();
  app.m_pMainWnd = nullptr;
  return saved ? 0 : 1;
}
