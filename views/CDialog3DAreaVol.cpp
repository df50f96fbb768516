#include "views/CDialog3DAreaVol.h"

#include "objects/CQlmObjectList.h"
#include "platform/gui/CDataExchange.h"

namespace {

constexpr UINT ObjectTable = 1149;

const QlmDialogTemplate& AreaVolumeTemplate() {
  static const QlmDialogTemplate dialog{
      199, "Área e Volume do 3D", 307, 141, {QlmDialogItem::ListView(ObjectTable, {5, 5, 295, 130}, WS_BORDER)}};
  return dialog;
}

}  // namespace

CDialog3DAreaVol::CDialog3DAreaVol(CWnd* parent) : CDialog(AreaVolumeTemplate(), parent) {}

void CDialog3DAreaVol::DoDataExchange(CDataExchange* exchange) { DDX_Control(exchange, ObjectTable, this->List); }

BOOL CDialog3DAreaVol::OnInitDialog() {
  CDialog::OnInitDialog();
  this->List.InsertColumn(0, "Índice", LVCFMT_CENTER, 50);
  this->List.InsertColumn(1, "Nome", LVCFMT_LEFT, 140);
  this->List.InsertColumn(2, "Área - mm2", LVCFMT_RIGHT, 100);
  this->List.InsertColumn(3, "Volume - mm3", LVCFMT_RIGHT, 100);
  this->FillRows();
  return TRUE;
}

void CDialog3DAreaVol::FillRows() {
  this->List.DeleteAllItems();
  if (!this->Objects) return;
  for (int i = 0; i < this->Objects->GetCount(); ++i) {
    const CQlmObject& object = *this->Objects->GetListItemAt(i);
    const int row = this->List.InsertItem(i, CString::Formatted("%.2d", i + 1));
    this->List.SetItemText(row, 1, object.Name);
    this->List.SetItemText(row, 2, CString::Formatted("%.2f mm2", double(object.GetArea())));
    this->List.SetItemText(row, 3, CString::Formatted("%.2f mm3", double(object.GetVolume())));
  }
}
