#pragma once
// The dashed HU measuring line of the cross-section window: one line source
// drawn by nine actors, actor k in cell k, of which at most one is shown.
#include <vtkNew.h>

class CQlmLayeredWindow9;
class vtkActor;
class vtkHULineSource;
class vtkPolyDataMapper;

class CQlmHULine9 {
public:
  static constexpr int Cells = 9;

  static CQlmHULine9* CreateObject() { return new CQlmHULine9; }
  CQlmHULine9(const CQlmHULine9&) = delete;
  CQlmHULine9& operator=(const CQlmHULine9&) = delete;

  // The 3x3 wrapper (not owned).
  void SetWindow(CQlmLayeredWindow9* window) { this->Window = window; }
  // Actor k into (out of) cell k's layer-1 renderer; nothing without a window.
  void AddToRenderer();
  void RemoveFromRenderer();
  // RemoveFromRenderer, then deletes the object.
  void RemoveAndDelete();
  // Colour of all nine actors; (1, 1, 0) at first.
  void SetColor(float r, float g, float b);
  // Hides all nine actors, then gives actor `cell` the visibility `visible`.
  void ShowInSection(int visible, int cell);

  vtkHULineSource* GetSource() const { return this->Source; }
  vtkActor* GetActor(int cell) const { return this->Actors[cell]; }

private:
  CQlmHULine9();
  ~CQlmHULine9();

  float Color[3] = {1.0f, 1.0f, 0.0f};
  vtkNew<vtkHULineSource> Source;
  vtkNew<vtkPolyDataMapper> Mappers[Cells];
  vtkNew<vtkActor> Actors[Cells];
  CQlmLayeredWindow9* Window = nullptr;
};
