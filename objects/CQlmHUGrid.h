#pragma once
// One bone-density band of the HU plot: its dashed outline (vtkHUGridSource)
// and its name beside the plot's right edge, at the middle of the band.
#include <vtkNew.h>

class CQlmLayeredWindow;
class vtkActor;
class vtkActor2D;
class vtkHUGridSource;
class vtkPolyDataMapper;
class vtkWin32TextMapper2;

class CQlmHUGrid {
public:
  static CQlmHUGrid* CreateObject() { return new CQlmHUGrid; }
  CQlmHUGrid(const CQlmHUGrid&) = delete;
  CQlmHUGrid& operator=(const CQlmHUGrid&) = delete;

  // The plot's wrapper (not owned).
  void SetWindow(CQlmLayeredWindow* window) { this->Window = window; }
  // Outline and label into the window's layer-1 renderer; nothing without a window.
  void AddToRenderer();
  // Takes both out when there is a window, then deletes the object.
  void RemoveAndDelete();
  // The label at world x = HorzSize / 2 (integer division) + 5 and the
  // height of the band's middle value.
  void UpdateLabelPosition();

  vtkHUGridSource* GetSource() const { return this->Source; }
  vtkWin32TextMapper2* GetLabelMapper() const { return this->LabelMapper; }
  vtkActor2D* GetLabelActor() const { return this->LabelActor; }
  vtkActor* GetActor() const { return this->Actor; }

private:
  CQlmHUGrid();
  ~CQlmHUGrid();

  vtkNew<vtkWin32TextMapper2> LabelMapper;
  vtkNew<vtkActor2D> LabelActor;
  vtkNew<vtkHUGridSource> Source;
  vtkNew<vtkPolyDataMapper> Mapper;
  vtkNew<vtkActor> Actor;
  CQlmLayeredWindow* Window = nullptr;
};
