#pragma once
// The application object: its command map (reached after the main frame's),
// its main window and the event loop. A QApplication must exist before it runs.
#include "platform/CString.h"
#include "platform/gui/CCmdTarget.h"

class CWnd;

class CWinApp : public CCmdTarget {
public:
  // `commandLine`: the program's arguments as one line.
  explicit CWinApp(const CString& commandLine = CString());
  ~CWinApp() override;

  // Creates and shows the main window; FALSE ends the program at once.
  virtual BOOL InitInstance() { return TRUE; }
  virtual int ExitInstance() { return 0; }
  // InitInstance, then events until the main window is destroyed, then
  // ExitInstance; deletes the main window object. Returns the exit code.
  int Run();

  // Owned from InitInstance on; deleted by Run when the loop ends.
  CWnd* m_pMainWnd = nullptr;
  CString m_lpCmdLine;
};

// The running application object, or null (tests without one).
CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
