#pragma once
// The text of a report page's cell: up to 2000 characters on several lines.
// OK hands the text to the report printer's textBuffer.
#include "platform/gui/CDialog.h"

class CQlmPrintPreview;

class CDialogPrintText : public CDialog {
public:
  static constexpr UINT EditID = 1189;
  static constexpr UINT OkID = 1188;
  static constexpr int MaximumLength = 2000;

  explicit CDialogPrintText(CWnd* parent = nullptr);

  CString text;
  // Receives the text on OK; not owned.
  CQlmPrintPreview* printer = nullptr;

protected:
  void DoDataExchange(CDataExchange* exchange) override;
  void OnOK() override;
};
