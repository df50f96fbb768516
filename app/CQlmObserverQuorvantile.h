#pragma once
// The controller's progress observer: status texts go to pane 0 of the main
// frame's status bar, progress moves a bar drawn in pane 3.
#include "app/CProgressBar.h"
#include "libconvert/CQlmObserver.h"

class CStatusBar;

class CQlmObserverQuorvantile : public CQlmObserver {
public:
  static CQlmObserverQuorvantile* New();
  ~CQlmObserverQuorvantile() override;

  // Creates the bar in pane 3 and keeps the status bar; 0 without one.
  BOOL CreateProgressBar();
  // Keeps the text; shows it in pane 0 at once while ShowText is set.
  void SetText(CString text) override;
  // The text last given to SetText.
  CString GetText() const override { return this->Text; }
  CProgressBar& GetProgressBar() { return this->ProgressBar; }

protected:
  CQlmObserverQuorvantile() = default;
  // Position (step + 1) / total in percent; 0 for a total of 0.
  void Execute() override;

private:
  CProgressBar ProgressBar;
  CStatusBar* StatusBar = nullptr;
  CString Text;
};
