#include "output/CDlgExportStelvane.h"

#include "platform/CQlmPrompter.h"
#include "platform/QlmPath.h"
#include "platform/gui/CDataExchange.h"

namespace {

constexpr UINT GeometryListBox = 1025;
constexpr UINT ChooseFileButton = 1208;
constexpr UINT NameEdit = 1209;

const QlmDialogTemplate& ExportTemplate() {
  static const QlmDialogTemplate dialog{278,
                                        "Exportar para o Stelvane",
                                        230,
                                        156,
                                        {QlmDialogItem::Label("Selecione o 3D Base", {7, 7, 120, 8}),
                                         QlmDialogItem::ListBox(GeometryListBox, {7, 18, 216, 86}),
                                         QlmDialogItem::Edit(NameEdit, {7, 112, 160, 13}, ES_READONLY),
                                         QlmDialogItem::Button(ChooseFileButton, "Nome/Folder", {173, 111, 50, 14}),
                                         QlmDialogItem::DefaultButton(IDOK, "Export", {112, 135, 50, 14}),
                                         QlmDialogItem::Button(IDCANCEL, "Cancel", {173, 135, 50, 14})}};
  return dialog;
}

}  // namespace

CDlgExportStelvane::CDlgExportStelvane(CWnd* parent) : CDialog(ExportTemplate(), parent) {
  this->MapCommand(ChooseFileButton, [this] { this->OnChooseFile(); });
}

void CDlgExportStelvane::DoDataExchange(CDataExchange* exchange) {
  DDX_Control(exchange, GeometryListBox, this->GeometryList);
  DDX_Text(exchange, NameEdit, this->NameField);
}

BOOL CDlgExportStelvane::OnInitDialog() {
  CDialog::OnInitDialog();
  if (this->Geometries) {
    for (const CQlmGeometryRecord& record : *this->Geometries) this->GeometryList.AddString(record.Name);
  }
  this->NameField = this->OutputTitle;
  this->UpdateData(FALSE);
  return TRUE;
}

void CDlgExportStelvane::OnChooseFile() {
  CString chosen =
      CQlmPrompter::Current().ChooseSaveFile("Nome/Folder", this->OutputPath, "Quillmar Stelvane (*.stv)|*.stv||");
  if (chosen.IsEmpty()) return;
  if (QlmPath::Extension(chosen.Str()).empty()) chosen += ".stv";
  this->OutputPath = chosen;
  this->OutputTitle = QlmPath::FileTitle(chosen.Str());
  this->OutputFileName = QlmPath::FileName(chosen.Str());
  this->OutputExtension = QlmPath::Extension(chosen.Str());
  this->NameField = this->OutputTitle;
  this->SetDlgItemText(NameEdit, this->NameField);
}

void CDlgExportStelvane::OnOK() {
  const int selected = this->GeometryList.GetCurSel();
  if (selected == LB_ERR || !this->Geometries || selected >= static_cast<int>(this->Geometries->size())) {
    QlmMessageBox("Selecione a Geometria Base da Guia", "Stelvane", QlmButtons::Ok, QlmIcon::Warning);
    return;
  }
  this->BaseMesh = (*this->Geometries)[static_cast<size_t>(selected)].Mesh;
  this->UpdateData(TRUE);
  this->EndDialog(IDOK);
}
