#pragma once
// What a program that draws the main window for the documentation needs:
// the QApplication, a throw-away application-data folder, the program's
// resources, dialogs that close at once and the application object.
#include <QApplication>

#include "platform/gui/CWinApp.h"
#include "tests/support/QlmTempDir.h"

class CMainFrame;

class QlmScreenshotSession {
public:
  QlmScreenshotSession(int& argc, char** argv);

  // Makes `frame` the main window and opens `project` in it as the program
  // started with it on its command line; false (and a message) when it did not open.
  bool OpenProject(CMainFrame& frame, const char* project);
  // Processes events for about `ms` milliseconds.
  static void Wait(int ms);
  // Saves the frame's window as a picture file (PNG by its name) and destroys the window; false when not saved.
  bool SaveAndClose(CMainFrame& frame, const char* path);

  QApplication Application;
  QlmTempDir AppData;
  CWinApp App;
};
