#include "app/CPQlmQuorvantileApp.h"

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/QlmResourceIds.h"
#include "app/QlmResourceScript.h"

CPQlmQuorvantileApp::CPQlmQuorvantileApp(const CString& commandLine) : CWinApp(commandLine) {
  this->MapCommand(ID_APP_ABOUT, [this] { this->OnAppAbout(); });
}

CPQlmQuorvantileApp::~CPQlmQuorvantileApp() { CQlmPrompter::Install(nullptr); }

BOOL CPQlmQuorvantileApp::InitInstance() {
  CQlmPrompter::Install(&this->Prompter);
  QlmRegisterResources();
  auto* frame = new CMainFrame;
  this->m_pMainWnd = frame;
  if (!this->m_lpCmdLine.IsEmpty()) frame->CommandLine = 1;
  if (frame->LoadFrame(IDR_MAINFRAME)) {
    frame->ShowWindow(SW_SHOW);
    frame->UpdateWindow();
  }
  return TRUE;
}

void CPQlmQuorvantileApp::OnAppAbout() {
  CAboutDlg about;
  about.DoModal();
}

CString CPQlmQuorvantileApp::CommandLineOf(int argc, char** argv) {
  CString line;
  for (int index = 1; index < argc; ++index) {
    if (index > 1) line += ' ';
    line += argv[index];
  }
  return line;
}
