#include "QlmScreenshotSession.h"

#include <QImage>
#include <QWidget>
#include <cstdlib>

#include "app/CMainFrame.h"
#include "app/QlmResourceScript.h"
#include "platform/gui/CDialog.h"

QlmScreenshotSession::QlmScreenshotSession(int& argc, char** argv) : Application(argc, argv) {
  ::setenv("QLM_COMMON_APPDATA", this->AppData.Path().c_str(), 1);
  ::unsetenv("QLM_WEB_SERVER");
  QlmRegisterResources();
  CDialog::SetModalHook([](CDialog&) { return INT_PTR(IDCANCEL); });
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
