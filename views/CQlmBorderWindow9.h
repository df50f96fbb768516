#pragma once
// The frames around the nine cells of the cross-section view (layer 0 of
// each cell), with a colour of their own for the centre cell.
#include <vtkNew.h>

class CQlmLayeredWindow9;
class vtkActor2D;
class vtkBorderWindow;
class vtkPolyDataMapper2D;

class CQlmBorderWindow9 {
public:
  static constexpr int CellCount = 9;
  static constexpr int CentreCell = 4;

  // Null when memory runs out.
  static CQlmBorderWindow9* New();
  // Takes the frames out of the cells when attached.
  virtual ~CQlmBorderWindow9();
  CQlmBorderWindow9(const CQlmBorderWindow9&) = delete;
  CQlmBorderWindow9& operator=(const CQlmBorderWindow9&) = delete;

  // Keeps `window` (not owned); frame i measures cell i's layer-0 renderer.
  void SetWindow(CQlmLayeredWindow9* window);
  // Frame i measures cell i of `copy`; the kept window stays.
  void SetOffScreenWindow(CQlmLayeredWindow9* copy);
  void AddToWindow();

  // All nine frames, the centre too; stored.
  void SetColor(float r, float g, float b);
  // The centre frame; stored as the centre colour.
  void SetCenterColor(float r, float g, float b);
  void SetVisibility(int on);
  int GetVisibility() const { return this->Visible; }

  CQlmLayeredWindow9* GetWindow() const { return this->Window; }
  vtkActor2D* GetActor(int cell) const { return this->Actor[cell]; }

protected:
  CQlmBorderWindow9();

private:
  vtkNew<vtkBorderWindow> Source[CellCount];
  vtkNew<vtkPolyDataMapper2D> Mapper[CellCount];
  vtkNew<vtkActor2D> Actor[CellCount];
  CQlmLayeredWindow9* Window = nullptr;
  int Visible = 1;
  float Color[3] = {1.0f, 1.0f, 1.0f};
  float CenterColor[3] = {1.0f, 1.0f, 1.0f};
};
