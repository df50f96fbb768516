#include "QlmBenchMainFrame.h"

#include <cstdlib>

#include "app/QlmResourceIds.h"
#include "app/QlmResourceScript.h"
#include "platform/gui/CDialog.h"

QlmBenchMainFrame::QlmBenchMainFrame(const char* programName) : ProgramName(programName) {
  ::setenv("QLM_COMMON_APPDATA", this->AppData.Path().c_str(), 1);
  ::unsetenv("QLM_WEB_SERVER");
  this->Argv[0] = this->ProgramName.data();
  this->Application = std::make_unique<QApplication>(this->Argc, this->Argv);
  QlmRegisterResources();
  CDialog::SetModalHook([](CDialog&) { return INT_PTR(IDCANCEL); });
  this->MainFrame = std::make_unique<CMainFrame>();
  this->App.m_pMainWnd = this->MainFrame.get();
  this->MainFrame->LoadFrame(IDR_MAINFRAME);
}

QlmBenchMainFrame::~QlmBenchMainFrame() {
  this->MainFrame.reset();
  this->App.m_pMainWnd = nullptr;
}
