#pragma once
// A guide ring in the 3D view: the ring mesh (implant frame) moved by its
// implant's placement, which it follows by itself. Shown only while its own
// flag and its implant's visible flag are set.
#include <vtkNew.h>

#include "platform/CObject.h"

class CQlmImplant3D;
class CQlmLayeredWindow;
class vtkActor;
class vtkMatrix4x4;
class vtkAlgorithmOutput;
class vtkMatrixToLinearTransform;
class vtkPolyData;
class vtkPolyDataMapper;
class vtkTransformPolyDataFilter;

class CQlmImplantRing3D : public CObject {
public:
  static CQlmImplantRing3D* CreateObject() { return new CQlmImplantRing3D; }
  CQlmImplantRing3D();
  // Takes the actor out of the renderer when a window is set.
  ~CQlmImplantRing3D() override;

  void SetWindow(CQlmLayeredWindow* window) { this->Window = window; }
  void AddToRenderer();
  void RemoveFromRenderer();

  // A copy of `mesh` with normals (feature angle 60).
  void SetPolyData(vtkPolyData* mesh);
  // The implant (not owned) whose placement moves the ring.
  void SetImplant(CQlmImplant3D* implant);
  CQlmImplant3D* GetImplant() const { return this->Implant; }

  void SetColor(float r, float g, float b);
  void SetVisibility(int visible);
  int GetVisible() const { return this->Visible; }
  // Whether the ring is to be seen: its flag and its implant's.
  bool IsShown() const;
  // The implant's origin in the frame of `plane` (plane to world), z dropped: the pivot of a drag there.
  void GetOriginIn(vtkMatrix4x4* plane, double point[3]) const;

  // The ring in world coordinates.
  vtkAlgorithmOutput* GetOutputPort() const;
  vtkActor* GetActor() const { return this->Actor; }
  bool OwnsActor(const vtkActor* actor) const { return actor && actor == this->Actor.GetPointer(); }

private:
  CQlmLayeredWindow* Window = nullptr;
  CQlmImplant3D* Implant = nullptr;
  vtkNew<vtkPolyData> Mesh;
  vtkNew<vtkMatrixToLinearTransform> Placement;
  vtkNew<vtkTransformPolyDataFilter> Placed;
  vtkNew<vtkPolyDataMapper> Mapper;
  vtkNew<vtkActor> Actor;
  int Visible = 1;
};
