#pragma once
// The about box: the product, the maker and the maker's address (QlmWebServer::MakerAddress).
#include "platform/gui/CDialog.h"

class CAboutDlg : public CDialog {
public:
  explicit CAboutDlg(CWnd* parent = nullptr);

protected:
  BOOL OnInitDialog() override;
};
