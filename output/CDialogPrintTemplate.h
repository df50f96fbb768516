#pragma once
// The layout of a report template: "Template 1x1" to "Template 9x1". OK asks
// before the current template's cells are lost, then gives the preview the
// layout and lays the template out again.
#include "platform/gui/CDialog.h"
#include "platform/gui/CListBox.h"

class CDialogPrintPreview;

class CDialogPrintTemplate : public CDialog {
public:
  static constexpr UINT ListID = 1183;
  static constexpr UINT OkID = 1184;

  explicit CDialogPrintTemplate(CWnd* parent = nullptr);

  // The preview whose current template changes; not owned.
  CDialogPrintPreview* owner = nullptr;
  // The current layout number; selected on opening when above 0.
  int layout = 0;
  // The number of layouts offered.
  int count = 0;

protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* exchange) override;
  void OnOK() override;

private:
  CListBox List;
};
