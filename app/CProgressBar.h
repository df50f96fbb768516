#pragma once
// A progress bar that lives in a pane of the main frame's status bar, after
// the pane's message text. It follows the pane when the status bar is laid out.
#include <memory>

#include "platform/CString.h"
#include "platform/gui/CProgressCtrl.h"

class CStatusBar;

class CProgressBar : public CProgressCtrl {
public:
  static CProgressBar* New();
  CProgressBar();
  // Clears the pane before the control goes.
  ~CProgressBar() override;

  // Creates the control in pane `pane` of the main window's status bar with
  // range 0 to `maximum`; `size` is its width in percent of the room after the
  // message. 0 when there is no status bar or the control cannot be made.
  BOOL Create(const CString& message, int size = 100, int maximum = 100, BOOL smooth = FALSE, int pane = 0);
  // Shows the bar and moves it; the previous position, or 0 without a control.
  int SetPos(int position);
  // Hides the bar and gives the pane its text back ("Pronto" for pane 0).
  void Clear();
  // Places the bar in its pane; 0 when the control or the status bar is missing.
  BOOL Resize();

  // The status bar of the main window when that is a frame, else null.
  static CStatusBar* GetStatusBar();

  int GetPane() const { return this->Pane; }
  const CRect& GetLastRect() const { return this->LastRect; }

private:
  class PaneWatcher;

  int Size = 0;
  int Pane = 0;
  CString Message;
  CString PreviousPaneText;
  CRect LastRect;
  std::unique_ptr<PaneWatcher> Watcher;
};
