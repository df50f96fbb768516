#pragma once
// A nerve in the 3D view: the tube around the course of its two lines
// (vtkNerveTubeFilter), drawn in the surface layer. The tube's output is the
// mesh that the nerve's axial, cross-section and panoramic cuts read.
#include <vtkNew.h>

#include "platform/CObject.h"

class CQlmLayeredWindow;
class CQlmNerve;
class vtkActor;
class vtkAlgorithmOutput;
class vtkNerveTubeFilter;
class vtkPolyDataMapper;

class CQlmNerve3D : public CObject {
public:
  static CQlmNerve3D* CreateObject() { return new CQlmNerve3D; }
  CQlmNerve3D();
  // Takes the actor out of the renderer when a window is set.
  ~CQlmNerve3D() override;

  void SetWindow(CQlmLayeredWindow* window) { this->Window = window; }
  void AddToRenderer();
  void RemoveFromRenderer();

  // The tube follows the nerve's (not owned) two lines, placed by its translation.
  void SetNerve(CQlmNerve* nerve);
  // Tube radius (mm), kept within 1 .. 5.
  void SetRadius(float radius);
  void SetColor(float r, float g, float b);
  void SetVisibility(int visible);
  int GetVisibility() const;

  // The tube in volume coordinates.
  vtkAlgorithmOutput* GetOutputPort() const;
  vtkNerveTubeFilter* GetTube() const { return this->Tube; }
  vtkActor* GetActor() const { return this->Actor; }
  bool OwnsActor(const vtkActor* actor) const { return actor && actor == this->Actor.GetPointer(); }

private:
  CQlmLayeredWindow* Window = nullptr;
  vtkNew<vtkNerveTubeFilter> Tube;
  vtkNew<vtkPolyDataMapper> Mapper;
  vtkNew<vtkActor> Actor;
};
