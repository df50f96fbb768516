#include "platform/gui/CWinApp.h"

#include <QApplication>
#include <algorithm>

#include "platform/gui/CWnd.h"

namespace {
CWinApp* running = nullptr;
}

CWinApp::CWinApp(const CString& commandLine) : m_lpCmdLine(commandLine) { running = this; }

CWinApp::~CWinApp() {
  delete this->m_pMainWnd;
  if (running == this) running = nullptr;
}

int CWinApp::Run() {
  int code = 0;
  if (this->InitInstance() && this->m_pMainWnd && this->m_pMainWnd->GetSafeHwnd()) {
    QApplication::setQuitOnLastWindowClosed(false);
    code = QApplication::exec();
  }
  code = std::max(code, this->ExitInstance());
  delete this->m_pMainWnd;
  this->m_pMainWnd = nullptr;
  return code;
}

CWinApp* AfxGetApp() { return running; }

CWnd* AfxGetMainWnd() { return running ? running->m_pMainWnd : nullptr; }
