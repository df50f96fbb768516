// The controller's commands on the project's objects as a whole: the STL
// import of imported objects, the STL export of the nerves, the guide export.
#include <vtkCellArray.h>
#include <vtkErrorCode.h>
#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkSTLReader.h>
#include <vtkSTLWriter.h>
#include <vtkTriangleFilter.h>

#include <QString>
#include <memory>
#include <vector>

#include "app/CMainFrame.h"
#include "app/CQlmObserverQuorvantile.h"
#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "libconvert/vtkObserver.h"
#include "objects/CQlmGeometries.h"
#include "objects/CQlmNerve3D.h"
#include "objects/CQlmNerves.h"
#include "output/CDlgExportStelvane.h"
#include "platform/CQlmPrompter.h"
#include "platform/QlmPath.h"
#include "project/CQlmGeometryRecord.h"
#include "project/CQlmGuideFile.h"
#include "project/CQlmProjectCreator202106.h"
#include "views/CDialogImplantAngle.h"
#include "views/CQlm3DWindow.h"

namespace {

constexpr const char* StlFilter = "stereolythographic (*.stl)|*.stl||";
constexpr int LongestName = 25;
constexpr int ShortenedLength = 22;

// The file title, cut to 22 characters and "..." when longer than 25 characters.
CString ObjectName(const CString& path) {
  const QString title = QString::fromStdString(QlmPath::FileTitle(path.Str()));
  if (title.size() <= LongestName) return CString(title.toStdString());
  return CString((title.left(ShortenedLength) + "...").toStdString());
}

bool NameTaken(CQlmObjectList& objects, const CQlmObject* newObject, const CString& name) {
  bool taken = false;
  objects.ForEach([&](CQlmObject* object) { taken = taken || (object != newObject && object->Name == name); });
  return taken;
}

// The mesh of `path` read by the toolkit's STL reader (points merged), its
// progress on `observer`; null when the file holds fewer than 3 points or no polygon.
vtkSmartPointer<vtkPolyData> ReadStl(const CString& path, CQlmObserver* observer) {
  vtkNew<vtkSTLReader> reader;
  reader->SetFileName(QlmPath::ToNative(path.Str()).c_str());
  reader->MergingOn();
  vtkNew<vtkObserver> progress;
  progress->SetQlmObserver(observer);
  reader->AddObserver(vtkCommand::ProgressEvent, progress);
  reader->Update();
  vtkPolyData* mesh = reader->GetOutput();
  if (reader->GetErrorCode() != vtkErrorCode::NoError || mesh->GetNumberOfPoints() < 3 || mesh->GetNumberOfPolys() < 1)
    return nullptr;
  return mesh;
}

}  // namespace

void CQlmQuorvantile::ImportGeometry() {
  const CString path = CQlmPrompter::Current().ChooseOpenFile("Import Geometry", CString(), StlFilter);
  if (path.IsEmpty()) return;
  vtkSmartPointer<vtkPolyData> mesh = ReadStl(path, this->StatusObserver);
  this->StatusObserver->GetProgressBar().SetPos(0);
  if (!mesh) {
    QlmMessageBox("Error importing " + CString(QlmPath::FileName(path.Str())) + " !", "Error Importing File",
                  QlmButtons::Ok, QlmIcon::Error);
    return;
  }
  CQlmGeometries& geometries = *this->Geometries;
  CQlmObjectList& objects = geometries.GetObjectList();
  CQlmObject* object = objects.AddNewObject();
  object->SetPolyData(mesh);
  object->SetColor(1.0f, 0.5f, 0.2f);
  object->SetVisibility(1);
  object->SetWindow(this->Window3D);
  object->AddToRenderer();
  CString name = ObjectName(path);
  while (NameTaken(objects, object, name)) name += "_new";
  object->Name = name;
  if (this->GeometryBlock) this->Creator202106->KeepImportedMesh(object->GetPolyData());
  geometries.BuildViewObjectsOfLast();
  geometries.SetAxialIndex(this->CTFilter->GetAxialFilter()->GetCurrentSlice());
  geometries.SetCrossIndex(this->CTFilter->GetCrossFilter()->GetFirstIndex());
  geometries.SetPanoramicIndex(this->PanoramicCalc->GetCurrentCurve());
  this->Window3D->Render();
  this->Modified = 1;
}

void CQlmQuorvantile::ExportNerveGeometry() {
  const CString path = CQlmPrompter::Current().ChooseSaveFile("Export Nerve Geometry", CString(), StlFilter);
  if (path.IsEmpty() || !this->NerveContainer) return;
  const std::string folder = QlmPath::Directory(path.Str());
  const std::string title = QlmPath::FileTitle(path.Str());
  int number = 0;
  this->NerveContainer->GetList3D()->ForEach([&](CQlmNerve3D* nerve) {
    const std::string file = QlmPath::Join(folder, title + std::to_string(++number) + ".stl");
    vtkNew<vtkTriangleFilter> triangles;
    triangles->SetInputConnection(nerve->GetOutputPort());
    vtkNew<vtkSTLWriter> writer;
    writer->SetInputConnection(triangles->GetOutputPort());
    writer->SetFileName(QlmPath::ToNative(file).c_str());
    if (writer->Write() != 1 || writer->GetErrorCode() != vtkErrorCode::NoError)
      QlmMessageBox("Erro ao criar arquivo:\n" + CString(file), "Erro", QlmButtons::Ok, QlmIcon::Error);
  });
}

void CQlmQuorvantile::ExportGuide() {
  const CString stv = "stv";
  const auto withStv = [&stv](const CString& name) {
    return CString(name.Str().substr(0, name.Str().size() < 3 ? 0 : name.Str().size() - 3)) + stv;
  };
  std::vector<CQlmGeometryRecord> bases;
  this->Geometries->GetObjectList().ForEach([&bases](CQlmObject* object) {
    CQlmGeometryRecord& record = bases.emplace_back();
    record.Name = object->Name;
    record.Mesh = object->GetPolyData();
  });
  CDlgExportStelvane dialog(this->MainFrame);
  dialog.Geometries = &bases;
  dialog.OutputFileName = withStv(this->ProjectFileName);
  dialog.OutputPath = withStv(this->ProjectPath);
  dialog.OutputTitle = this->ProjectTitle;
  dialog.OutputExtension = stv;
  if (dialog.DoModal() != IDOK) return;
  const std::unique_ptr<CQlmGuideFile> guide(CQlmGuideFile::New());
  guide->Controller = this;
  guide->Path = dialog.OutputPath;
  guide->BaseMesh = dialog.BaseMesh;
  if (guide->Save())
    QlmMessageBox("Arquivo Stelvane exportado com sucesso", "Stelvane", QlmButtons::Ok, QlmIcon::Information);
  else
    QlmMessageBox("Erro gravando arquivo Stelvane", "Stelvane", QlmButtons::Ok, QlmIcon::Error);
}

void CQlmQuorvantile::ShowImplantAngles() {
  CDialogImplantAngle dialog(this->MainFrame);
  dialog.ListImplants.Implants = this->ImplantContainer;
  dialog.ListConectors.Implants = this->ImplantContainer;
  dialog.DoModal();
}
