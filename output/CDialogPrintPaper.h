#pragma once
// The paper of a report template: A3, A4, Letter or Legal, the entry of the
// current ratio selected on opening.
#include "platform/gui/CDialog.h"
#include "platform/gui/CListBox.h"

class CDialogPrintPaper : public CDialog {
public:
  static constexpr UINT ListID = 1185;
  static constexpr UINT OkID = 1186;

  explicit CDialogPrintPaper(CWnd* parent = nullptr);

  // The paper ratio of a choice (1 A3, 2 A4, 3 Letter, 4 Legal); 0 for another.
  static float RatioOf(int choice);

  // The entry chosen by OK: 1 A3, 2 A4, 3 Letter, 4 Legal.
  int choice = 0;
  // The current paper ratio, set by the caller.
  float ratio = 0;

protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* exchange) override;
  void OnOK() override;

private:
  CListBox List;
};
