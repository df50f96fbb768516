#pragma once
// The surface area and the volume of every imported 3D object, one row each
// in import order. No buttons: the close box or Escape end it.
#include "platform/gui/CDialog.h"
#include "platform/gui/CListCtrl.h"

class CQlmObjectList;

class CDialog3DAreaVol : public CDialog {
public:
  explicit CDialog3DAreaVol(CWnd* parent = nullptr);

  CListCtrl List;
  // The imported objects; not owned, set by the caller (null lists nothing).
  CQlmObjectList* Objects = nullptr;

protected:
  void DoDataExchange(CDataExchange* exchange) override;
  // Columns "Índice", "Nome", "Área - mm2", "Volume - mm3"; rows "01", the name, "600.00 mm2", "1000.00 mm3".
  BOOL OnInitDialog() override;

private:
  void FillRows();
};
