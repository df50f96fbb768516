#pragma once
// The about box: the product, the maker and the maker's web address.
#include "platform/gui/CDialog.h"

class CAboutDlg : public CDialog {
public:
  static constexpr const char* WebAddress = "www.quillmar.example";

  explicit CAboutDlg(CWnd* parent = nullptr);

protected:
  BOOL OnInitDialog() override;
};
