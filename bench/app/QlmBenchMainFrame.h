#pragma once
// The program's main frame as a benchmark starts it: a scratch settings
// folder, no web server, the program's resources, modal dialogs answered
// Cancel, the frame loaded from its resources.
#include <QApplication>
#include <memory>
#include <string>

#include "app/CMainFrame.h"
#include "platform/gui/CWinApp.h"
#include "tests/support/QlmTempDir.h"

class QlmBenchMainFrame {
public:
  explicit QlmBenchMainFrame(const char* programName);
  ~QlmBenchMainFrame();

  CMainFrame& Frame() { return *this->MainFrame; }

private:
  QlmTempDir AppData;
  std::string ProgramName;
  int Argc = 1;
  char* Argv[2] = {nullptr, nullptr};
  std::unique_ptr<QApplication> Application;
  CWinApp App;
  std::unique_ptr<CMainFrame> MainFrame;
};
