#pragma once
// The guide and prototype request form over the project's CQlmRequestInfo.
// Opening it fills an empty requester (strings 1 and 2 both empty) from the
// settings file's "Send Email: " line; OK is refused while a field other
// than the comments is empty, and otherwise stores the ten fields in the
// record and the requester's eight in the settings file.
#include "platform/CString.h"
#include "platform/gui/CDialog.h"
#include "project/CQlmRequestInfo.h"

class CDialogPrototype : public CDialog {
public:
  explicit CDialogPrototype(CWnd* parent = nullptr);

  // The record the form edits; not owned; set before the dialog runs.
  void SetRequestInfo(CQlmRequestInfo* info) { this->RequestInfo = info; }

protected:
  void DoDataExchange(CDataExchange* exchange) override;
  void OnOK() override;

private:
  void FillRequesterFromSettings();

  CString Texts[CQlmRequestInfo::FormCount];
  CQlmRequestInfo* RequestInfo = nullptr;
};
