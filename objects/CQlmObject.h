#pragma once
// An imported 3D surface (an STL mesh in volume coordinates) shown in the 3D
// view as a shaded surface, a wireframe or a point cloud, with its area and
// volume, and its record in project files of the serialised generations:
// colours, opacity and flags, then the mesh as zlib-packed triangles
// (CQlmGeometryCompressor). The record holds neither the name, the shine flag
// nor the cut-shown flags.
#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <cstddef>

#include "platform/CObject.h"
#include "platform/CString.h"

class CQlmLayeredWindow;
class CQlmObserver;
class vtkActor;
class vtkCellArray;
class vtkDepthSortPolyData;
class vtkPoints;
class vtkPolyDataMapper;

class CQlmObject : public CObject {
public:
  static CQlmObject* CreateObject() { return new CQlmObject; }
  CQlmObject();
  // Takes both actors out of the window's renderer when a window is set.
  ~CQlmObject() override;

  // Shortest record: the header and a plain mesh of no triangles.
  static constexpr size_t MinimumRecordSize = 56;
  // The mesh-form value that marks the compressed form.
  static constexpr int CompressedForm = 13;

  // Normals (feature angle 60), the point cloud (at most 60 % of the points),
  // area and volume of `mesh`, with "Calculando 3D..." on the observer
  // meanwhile (no progress without an observer).
  void SetPolyData(vtkPolyData* mesh);
  // The surface with its normals; null before SetPolyData.
  vtkPolyData* GetPolyData() const { return this->Mesh; }

  // The 3D view's wrapper: the depth sorter follows its layer-3 camera.
  void SetWindow(CQlmLayeredWindow* window);
  CQlmLayeredWindow* GetWindow() const { return this->Window; }
  // Surface and point actors into the layer-3 renderer.
  void AddToRenderer();

  // First / second colour; both actors then show the chosen one.
  void SetColor(float r, float g, float b);
  void SetColor2(float r, float g, float b);
  // 0 first colour, 1 second.
  void SelectColor(int choice);
  // Opacity of the depth-sorted surface; shown from the next SetDepthSort(1)
  // or SetDisplayMode(2) with depth sorting on.
  void SetOpacity(float opacity) { this->Opacity = opacity; }
  // Translucent surface drawn back to front (1) or the plain opaque surface (0).
  void SetDepthSort(int on);
  // 0 points, 1 wireframe, 2 surface; a hidden object only stores the mode.
  void SetDisplayMode(int mode);
  void SetVisibility(int visible);
  void SetPickable(int pickable);
  // Phong (1) or flat (0) shading.
  void SetSmooth(int smooth);
  // Specular highlight.
  void SetShine(int shine);

  const float* GetColor() const { return this->Color; }
  const float* GetColor2() const { return this->Color2; }
  float GetOpacity() const { return this->Opacity; }
  int GetDisplayMode() const { return this->DisplayMode; }
  int GetVisibility() const { return this->Visible; }
  int GetPickable() const { return this->Pickable; }
  int GetColorChoice() const { return this->ColorChoice; }
  int GetDepthSort() const { return this->DepthSort; }
  int GetSmooth() const { return this->Smooth; }
  int GetShine() const { return this->Shine; }
  // 1 when the last record read had the compressed mesh form.
  int GetCompressedMesh() const { return this->CompressedMesh; }
  // mm2 and mm3 of the mesh; 0 before SetPolyData.
  float GetArea() const { return this->Area; }
  float GetVolume() const { return this->Volume; }

  vtkActor* GetSurfaceActor() const { return this->SurfaceActor; }
  vtkActor* GetPointsActor() const { return this->PointsActor; }
  vtkPolyDataMapper* GetSurfaceMapper() const { return this->SurfaceMapper; }
  vtkPolyDataMapper* GetPointsMapper() const { return this->PointsMapper; }

  // Progress target; not owned, null for none.
  void SetObserver(CQlmObserver* observer) { this->Observer = observer; }
  CQlmObserver* GetObserver() const { return this->Observer; }

  // Writes the record (always the compressed form) or reads one in either
  // form. Reading raises CArchiveException when the record's counts or sizes
  // disagree with each other, with the bytes left or with the zlib stream.
  void Serialize(CArchive& archive) override;

  CString Name;
  // Whether the axial, cross-section and panoramic cuts are shown.
  int CutShown[3] = {0, 0, 0};
  // Carried by project files only.
  int ReservedValue1 = 0;
  int ReservedValue2 = 0;
  double ReservedMatrix[16] = {};
  float ReservedPoints[10][3] = {};

private:
  void Store(CArchive& archive);
  void Load(CArchive& archive);
  // Raw triangles of either mesh form into points and cells (no sharing).
  void LoadCompressedTriangles(CArchive& archive, vtkPoints* points, vtkCellArray* cells);
  void LoadPlainTriangles(CArchive& archive, int count, vtkPoints* points, vtkCellArray* cells);
  void AppendTriangles(const float* vertices, int count, vtkPoints* points, vtkCellArray* cells);
  // Shares equal vertices and drops triangles that collapse.
  vtkSmartPointer<vtkPolyData> MergeTriangles(vtkPoints* points, vtkCellArray* cells);
  void Report(long step, unsigned int total);
  void ApplyStoredSettings();
  void ShowActorOfMode();
  void PaintActors();

  vtkSmartPointer<vtkPolyData> Mesh;
  vtkNew<vtkPolyDataMapper> SurfaceMapper;
  vtkNew<vtkActor> SurfaceActor;
  vtkNew<vtkPolyDataMapper> PointsMapper;
  vtkNew<vtkActor> PointsActor;
  vtkNew<vtkDepthSortPolyData> DepthSorter;
  CQlmLayeredWindow* Window = nullptr;
  float Color[3] = {0.95f, 0.95f, 0.45f};
  float Color2[3] = {1.0f, 1.0f, 1.0f};
  float Opacity = 0.65f;
  int DisplayMode = 2;
  int Visible = 1;
  int Pickable = 0;
  int ColorChoice = 0;
  int DepthSort = 0;
  int Smooth = 1;
  int Shine = 0;
  int CompressedMesh = 0;
  int MeshForm = CompressedForm;
  float Volume = 0.0f;
  float Area = 0.0f;
  CQlmObserver* Observer = nullptr;
};
