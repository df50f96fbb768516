#include "objects/CQlmObject.h"

#include <vtkActor.h>
#include <vtkCamera.h>
#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkCommand.h>
#include <vtkDepthSortPolyData.h>
#include <vtkMaskPoints.h>
#include <vtkMassProperties.h>
#include <vtkPointLocator.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkPolyDataNormals.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "ct/CQlmLayeredWindow.h"
#include "libconvert/CQlmObserver.h"
#include "libconvert/vtkObserver.h"
#include "objects/CQlmGeometryCompressor.h"
#include "platform/CArchive.h"

namespace {
constexpr int SurfaceLayer = 3;
constexpr int FloatsPerTriangle = 9;
constexpr int BytesPerTriangle = FloatsPerTriangle * 4;
// deflate never packs more than 1032 bytes into one; a larger claimed ratio is a lie.
constexpr int64_t MaximumInflation = 1032;

void ReadColor(CArchive& archive, float color[3]) { archive >> color[0] >> color[1] >> color[2]; }
void WriteColor(CArchive& archive, const float color[3]) { archive << color[0] << color[1] << color[2]; }

[[noreturn]] void Refuse(const char* why) { throw CArchiveException(CArchiveException::badIndex, why); }
}  // namespace

CQlmObject::CQlmObject() {
  this->SurfaceActor->SetMapper(this->SurfaceMapper);
  this->SurfaceActor->PickableOff();
  this->SurfaceActor->GetProperty()->SetInterpolationToPhong();
  this->PointsMapper->ScalarVisibilityOff();
  this->PointsActor->SetMapper(this->PointsMapper);
  this->PointsActor->VisibilityOff();
  this->PointsActor->PickableOff();
  this->PaintActors();
}

CQlmObject::~CQlmObject() {
  if (!this->Window) return;
  if (vtkRenderer* renderer = this->Window->GetLayerRenderer(SurfaceLayer)) {
    renderer->RemoveActor(this->SurfaceActor);
    renderer->RemoveActor(this->PointsActor);
  }
}

void CQlmObject::SetPolyData(vtkPolyData* mesh) {
  vtkNew<vtkPolyDataNormals> normals;
  normals->SetInputData(mesh);
  normals->SetFeatureAngle(60.0);
  vtkNew<vtkObserver> progress;
  progress->SetQlmObserver(this->Observer);
  normals->AddObserver(vtkCommand::ProgressEvent, progress);
  const CString previousText = this->Observer ? this->Observer->GetText() : CString();
  if (this->Observer) this->Observer->SetText("Calculando 3D...");
  normals->Update();
  if (this->Observer) this->Observer->SetText(previousText);

  this->Mesh = normals->GetOutput();
  this->SurfaceMapper->SetInputData(this->Mesh);
  this->DepthSorter->SetInputData(this->Mesh);

  vtkNew<vtkMaskPoints> cloud;
  cloud->SetInputData(this->Mesh);
  cloud->GenerateVerticesOn();
  cloud->SetMaximumNumberOfPoints(vtkIdType(0.6 * double(this->Mesh->GetNumberOfPoints())));
  cloud->Update();
  vtkNew<vtkPolyData> points;
  points->ShallowCopy(cloud->GetOutput());
  this->PointsMapper->SetInputData(points);

  this->Area = this->Volume = 0.0f;
  if (this->Mesh->GetNumberOfPolys() == 0) return;
  vtkNew<vtkMassProperties> mass;
  mass->SetInputData(this->Mesh);
  mass->Update();
  this->Area = float(mass->GetSurfaceArea());
  this->Volume = float(mass->GetVolume());
}

void CQlmObject::SetWindow(CQlmLayeredWindow* window) {
  this->Window = window;
  vtkRenderer* renderer = window ? window->GetLayerRenderer(SurfaceLayer) : nullptr;
  if (renderer) this->DepthSorter->SetCamera(renderer->GetActiveCamera());
}

void CQlmObject::AddToRenderer() {
  vtkRenderer* renderer = this->Window ? this->Window->GetLayerRenderer(SurfaceLayer) : nullptr;
  if (!renderer) return;
  renderer->AddActor(this->SurfaceActor);
  renderer->AddActor(this->PointsActor);
}

void CQlmObject::SetColor(float r, float g, float b) {
  this->Color[0] = r, this->Color[1] = g, this->Color[2] = b;
  this->SelectColor(this->ColorChoice);
}

void CQlmObject::SetColor2(float r, float g, float b) {
  this->Color2[0] = r, this->Color2[1] = g, this->Color2[2] = b;
  this->SelectColor(this->ColorChoice);
}

void CQlmObject::SelectColor(int choice) {
  this->ColorChoice = choice;
  this->PaintActors();
}

void CQlmObject::PaintActors() {
  const float* color = this->ColorChoice == 1 ? this->Color2 : this->Color;
  this->SurfaceActor->GetProperty()->SetColor(color[0], color[1], color[2]);
  this->PointsActor->GetProperty()->SetColor(color[0], color[1], color[2]);
}

void CQlmObject::SetDepthSort(int on) {
  if (on == this->DepthSort) return;
  if (on) {
    this->SurfaceActor->GetProperty()->SetOpacity(this->Opacity);
    this->DepthSorter->SetInputData(this->Mesh);
    this->SurfaceMapper->SetInputConnection(this->DepthSorter->GetOutputPort());
  } else {
    this->SurfaceActor->GetProperty()->SetOpacity(1.0);
    this->SurfaceMapper->SetInputData(this->Mesh);
    // An empty input makes the sorter release its sorted copy; without a
    // camera it never sorted.
    this->DepthSorter->SetInputData(vtkNew<vtkPolyData>());
    if (this->DepthSorter->GetCamera()) this->DepthSorter->Update();
  }
  this->DepthSort = on;
}

void CQlmObject::SetDisplayMode(int mode) {
  this->DisplayMode = mode;
  if (!this->Visible) return;
  if (mode == 0) {
    this->PointsActor->SetVisibility(1);
    this->SurfaceActor->SetVisibility(0);
  } else if (mode == 1 || mode == 2) {
    this->PointsActor->SetVisibility(0);
    this->SurfaceActor->SetVisibility(1);
    if (this->DepthSort && mode == 1) {
      this->SurfaceMapper->SetInputData(this->Mesh);
      this->SurfaceActor->GetProperty()->SetOpacity(1.0);
    } else if (this->DepthSort) {
      this->SurfaceMapper->SetInputConnection(this->DepthSorter->GetOutputPort());
      this->SurfaceActor->GetProperty()->SetOpacity(this->Opacity);
    }
    this->SurfaceActor->GetProperty()->SetRepresentation(mode);
  }
}

void CQlmObject::SetVisibility(int visible) {
  this->Visible = visible;
  this->ShowActorOfMode();
}

void CQlmObject::ShowActorOfMode() {
  this->SurfaceActor->VisibilityOff();
  this->PointsActor->VisibilityOff();
  if (!this->Visible) return;
  if (this->DisplayMode == 0) this->PointsActor->VisibilityOn();
  if (this->DisplayMode == 1 || this->DisplayMode == 2) this->SurfaceActor->VisibilityOn();
}

void CQlmObject::SetPickable(int pickable) {
  this->SurfaceActor->SetPickable(pickable ? 1 : 0);
  this->Pickable = pickable;
}

void CQlmObject::SetSmooth(int smooth) {
  this->SurfaceActor->GetProperty()->SetInterpolation(smooth ? VTK_PHONG : VTK_FLAT);
  this->Smooth = smooth ? 1 : 0;
}

void CQlmObject::SetShine(int shine) {
  this->SurfaceActor->GetProperty()->SetSpecular(shine ? 1.0 : 0.0);
  this->SurfaceActor->GetProperty()->SetSpecularPower(shine ? 25.0 : 0.0);
  this->Shine = shine ? 1 : 0;
}

void CQlmObject::Serialize(CArchive& archive) {
  if (archive.IsStoring())
    this->Store(archive);
  else
    this->Load(archive);
}

void CQlmObject::Store(CArchive& archive) {
  this->MeshForm = CompressedForm;
  WriteColor(archive, this->Color);
  WriteColor(archive, this->Color2);
  archive << this->Opacity << int32_t(this->DisplayMode) << int32_t(this->Visible) << int32_t(this->Pickable)
          << int32_t(this->ColorChoice) << int32_t(this->DepthSort) << int32_t(this->Smooth)
          << int32_t(CompressedForm);
  CQlmGeometryCompressor compressor;
  compressor.SetPoints(this->Mesh ? this->Mesh->GetPoints() : nullptr);
  compressor.SetPolys(this->Mesh ? this->Mesh->GetPolys() : nullptr);
  compressor.PrepareSizes();
  if (!compressor.Compress()) throw CArchiveException(CArchiveException::genericException, "mesh does not compress");
  archive << int32_t(compressor.GetTriangleCount()) << int32_t(compressor.GetRawSize())
          << int32_t(compressor.GetCompressedSize());
  archive.Write(compressor.GetCompressedData().data(), compressor.GetCompressedData().size());
}

void CQlmObject::Load(CArchive& archive) {
  ReadColor(archive, this->Color);
  ReadColor(archive, this->Color2);
  int32_t values[7];
  archive >> this->Opacity;
  for (int32_t& value : values) archive >> value;
  this->DisplayMode = values[0], this->Visible = values[1], this->Pickable = values[2];
  this->ColorChoice = values[3], this->DepthSort = values[4], this->Smooth = values[5];
  this->MeshForm = values[6];
  this->CompressedMesh = this->MeshForm == CompressedForm ? 1 : 0;

  vtkNew<vtkPoints> points;
  points->Allocate(5000, 10000);
  vtkNew<vtkCellArray> cells;
  cells->AllocateEstimate(10000, 3);
  if (this->CompressedMesh)
    this->LoadCompressedTriangles(archive, points, cells);
  else
    this->LoadPlainTriangles(archive, this->MeshForm, points, cells);
  this->SetPolyData(this->MergeTriangles(points, cells));
  this->ApplyStoredSettings();
}

void CQlmObject::LoadCompressedTriangles(CArchive& archive, vtkPoints* points, vtkCellArray* cells) {
  int32_t triangles, rawSize, compressedSize;
  archive >> triangles >> rawSize >> compressedSize;
  if (triangles < 0 || int64_t(rawSize) != int64_t(triangles) * BytesPerTriangle)
    Refuse("triangle count and raw size disagree");
  if (compressedSize < 0 || uint64_t(compressedSize) > archive.GetBytesLeft())
    throw CArchiveException(CArchiveException::endOfFile, "compressed mesh runs past the end");
  if (int64_t(rawSize) > int64_t(compressedSize) * MaximumInflation) Refuse("compressed mesh too short");
  std::vector<uint8_t> packed(static_cast<size_t>(compressedSize));
  archive.ReadExact(packed.data(), packed.size());
  CQlmGeometryCompressor compressor;
  compressor.SetTriangleCount(triangles);
  compressor.SetRawSize(rawSize);
  compressor.SetCompressedSize(compressedSize);
  compressor.SetCompressedData(std::move(packed));
  std::vector<uint8_t> raw;
  if (triangles > 0 && !compressor.Decompress(raw)) Refuse("compressed mesh does not inflate to its raw size");
  this->AppendTriangles(reinterpret_cast<const float*>(raw.data()), triangles, points, cells);
}

void CQlmObject::LoadPlainTriangles(CArchive& archive, int count, vtkPoints* points, vtkCellArray* cells) {
  if (count < 0) Refuse("negative triangle count");
  if (uint64_t(count) * BytesPerTriangle > archive.GetBytesLeft())
    throw CArchiveException(CArchiveException::endOfFile, "plain mesh runs past the end");
  std::vector<float> vertices(size_t(count) * FloatsPerTriangle);
  archive.ReadExact(vertices.data(), vertices.size() * sizeof(float));
  this->AppendTriangles(vertices.data(), count, points, cells);
}

void CQlmObject::AppendTriangles(const float* vertices, int count, vtkPoints* points, vtkCellArray* cells) {
  for (int k = 0; k < count; ++k, vertices += FloatsPerTriangle) {
    vtkIdType ids[3];
    for (int corner = 0; corner < 3; ++corner) ids[corner] = points->InsertNextPoint(vertices + 3 * corner);
    cells->InsertNextCell(3, ids);
    this->Report(k, unsigned(count));
  }
}

vtkSmartPointer<vtkPolyData> CQlmObject::MergeTriangles(vtkPoints* points, vtkCellArray* cells) {
  vtkNew<vtkPoints> merged;
  vtkNew<vtkCellArray> triangles;
  const vtkIdType total = cells->GetNumberOfCells();
  if (total > 0) {
    vtkNew<vtkPointLocator> locator;
    locator->InitPointInsertion(merged, points->GetBounds());
    auto cell = vtk::TakeSmartPointer(cells->NewIterator());
    vtkIdType examined = 0;
    for (cell->GoToFirstCell(); !cell->IsDoneWithTraversal(); cell->GoToNextCell()) {
      vtkIdType count;
      const vtkIdType* ids;
      cell->GetCurrentCell(count, ids);
      vtkIdType unique[3];
      for (int corner = 0; corner < 3; ++corner) locator->InsertUniquePoint(points->GetPoint(ids[corner]), unique[corner]);
      if (unique[0] != unique[1] && unique[1] != unique[2] && unique[0] != unique[2]) triangles->InsertNextCell(3, unique);
      this->Report(++examined, unsigned(total));
    }
  }
  auto mesh = vtkSmartPointer<vtkPolyData>::New();
  mesh->SetPoints(merged);
  mesh->SetPolys(triangles);
  return mesh;
}

void CQlmObject::Report(long step, unsigned int total) {
  if (this->Observer) this->Observer->SendMessageA(&step, &total, 0);
}

void CQlmObject::ApplyStoredSettings() {
  this->SelectColor(this->ColorChoice);
  this->ShowActorOfMode();
  this->SetPickable(this->Pickable);
  this->SetDepthSort(this->DepthSort);
  this->SetDisplayMode(this->DisplayMode);
  this->SetSmooth(this->Smooth);
  this->SetShine(this->Shine);
}
