#pragma once
// The angles between every two implants and between every two connectors,
// each table with its largest angle below it in bold. The caller gives both
// tables the implant container and runs the dialog; nothing is stored.
#include "libraries/CListImplantsAngle.h"
#include "platform/gui/CDialog.h"
#include "platform/gui/CFont.h"

class CDialogImplantAngle : public CDialog {
public:
  explicit CDialogImplantAngle(CWnd* parent = nullptr);

  CListImplantsAngle ListImplants;
  CListImplantsAngle ListConectors;

protected:
  void DoDataExchange(CDataExchange* exchange) override;
  // The bold font of the two largest angles; implant axes in the first table, connector axes in the second.
  BOOL OnInitDialog() override;

private:
  CFont SummaryFont;
};
