#pragma once
// The application object: installs the prompter and the resources, makes the
// main frame and shows the about box.
#include "platform/gui/CQlmQtPrompter.h"
#include "platform/gui/CWinApp.h"

class CPQlmQuorvantileApp : public CWinApp {
public:
  // `commandLine`: the arguments after the program's name, joined by blanks.
  explicit CPQlmQuorvantileApp(const CString& commandLine = CString());
  ~CPQlmQuorvantileApp() override;

  // Makes the main frame (splash, controller, window, views) and shows it.
  BOOL InitInstance() override;
  // Info/Sobre o Quorvantile: the about box.
  void OnAppAbout();

  // Joins argv[1..] with blanks, as the raw command line holds them.
  static CString CommandLineOf(int argc, char** argv);

private:
  CQlmQtPrompter Prompter;
};
