#pragma once
// The guide export: the user picks the imported 3D object that the guide
// rests on and, with "Nome/Folder", the output file. "Export" (OK) is
// refused while no object is chosen; otherwise BaseMesh is that object's mesh.
#include <vector>

#include "platform/CString.h"
#include "platform/gui/CDialog.h"
#include "platform/gui/CListBox.h"
#include "project/CQlmGeometryRecord.h"

class vtkPolyData;

class CDlgExportStelvane : public CDialog {
public:
  explicit CDlgExportStelvane(CWnd* parent = nullptr);

  CListBox GeometryList;
  // The project's imported objects, listed by name in this order; not owned; set before the dialog runs.
  const std::vector<CQlmGeometryRecord>* Geometries = nullptr;
  // The chosen object's mesh after "Export"; not owned.
  vtkPolyData* BaseMesh = nullptr;
  // Shown read-only: the output title.
  CString NameField;
  CString OutputPath;
  CString OutputTitle;
  CString OutputFileName;
  CString OutputExtension;

protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* exchange) override;
  void OnOK() override;

private:
  void OnChooseFile();
};
