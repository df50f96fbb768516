#include "QlmScreenshotSession.h"

#include <QImage>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmResourceIds.h"
#include "app/QlmResourceScript.h"
#include "platform/gui/CDialog.h"

QlmScreenshotSession::QlmScreenshotSession(int& argc, char** argv) : Application(argc, argv) {
  ::setenv("QLM_COMMON_APPDATA", this->AppData.Path().c_str(), 1);
  ::unsetenv("QLM_WEB_SERVER");
  QlmRegisterResources();
  CDialog::SetModalHook([](CDialog&) { return INT_PTR(IDCANCEL); });
}

bool QlmScreenshotSession::OpenProject(CMainFrame& frame, const char* project) {
  this->App.m_lpCmdLine = CString(project);
  this->App.m_pMainWnd = &frame;
  frame.CommandLine = 1;
  if (!frame.LoadFrame(IDR_MAINFRAME) || !frame.GetController()->ProjectOpen) {
    std::fprintf(stderr, "%s did not open\n", project);
    return false;
  }
  Wait(500);
  return true;
}

void QlmScreenshotSession::Wait(int ms) {
  for (int step = 0; step < ms / 10; ++step) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

bool QlmScreenshotSession::SaveAndClose(CMainFrame& frame, const char* path) {
  const QImage picture = frame.GetSafeHwnd()->grab().toImage();
  const bool saved = picture.save(QString::fromLocal8Bit(path));
  frame.DestroyWindow();
  this->App.m_pMainWnd = nullptr;
  return saved;
}
