#pragma once
// The exam information, display only: clinic, patient and number of slices.
#include "platform/CString.h"
#include "platform/gui/CDialog.h"

class CDialogProjInfo : public CDialog {
public:
  explicit CDialogProjInfo(CWnd* parent = nullptr);

  CString Clinic;
  CString PatientName;
  float SliceCount = 0;

protected:
  void DoDataExchange(CDataExchange* exchange) override;
};
