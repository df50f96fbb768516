#pragma once
// A line drawn in one view's layer-1 renderer: the mapper and actor that
// the HU measuring line and the profile curve share, the actor's user matrix
// (identity) and the view's wrapper. The derived class feeds the mapper.
#include <vtkNew.h>

class CQlmLayeredWindow;
class vtkActor;
class vtkMatrix4x4;
class vtkPolyDataMapper;

class CQlmHULineBase {
public:
  virtual ~CQlmHULineBase();
  CQlmHULineBase(const CQlmHULineBase&) = delete;
  CQlmHULineBase& operator=(const CQlmHULineBase&) = delete;

  // The view's wrapper (not owned).
  void SetWindow(CQlmLayeredWindow* window) { this->Window = window; }
  CQlmLayeredWindow* GetWindow() const { return this->Window; }
  // The actor into the window's layer-1 renderer; nothing without a window.
  void AddToRenderer();
  // Takes the actor out of the renderer when there is a window, then deletes the object.
  void RemoveAndDelete();

  vtkActor* GetActor() const { return this->Actor; }

protected:
  CQlmHULineBase();
  vtkPolyDataMapper* GetMapper() const { return this->Mapper; }

private:
  vtkNew<vtkPolyDataMapper> Mapper;
  vtkNew<vtkActor> Actor;
  vtkNew<vtkMatrix4x4> UserMatrix;
  CQlmLayeredWindow* Window = nullptr;
};
