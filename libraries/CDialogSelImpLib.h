#pragma once
// The library chooser: the names of the libraries of one kind, sorted, under
// the title "Biblioteca de Implantes" for every kind. OK takes the selected
// name into ChosenName; Cancel, or OK while none is selected, leaves it empty.
#include "platform/CStringArray.h"
#include "platform/gui/CDialog.h"
#include "platform/gui/CListBox.h"

class CDialogSelImpLib : public CDialog {
public:
  static constexpr UINT TemplateID = 285;
  static constexpr UINT ListID = 1026;

  explicit CDialogSelImpLib(CWnd* parent = nullptr);

  // The names to offer, set before DoModal; not owned.
  const CStringArray* Names = nullptr;
  CString ChosenName;

protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* exchange) override;
  void OnOK() override;

private:
  CListBox List;
};
