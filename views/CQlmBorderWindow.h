#pragma once
// The coloured frame around a view (layer 0). Attached to one wrapper at a
// time; SetOffScreenWindow makes it measure an off-screen copy instead.
#include <vtkNew.h>

class CQlmLayeredWindow;
class vtkActor2D;
class vtkBorderWindow;
class vtkPolyDataMapper2D;

class CQlmBorderWindow {
public:
  // Null when memory runs out.
  static CQlmBorderWindow* New();
  // Takes the frame out of the window when attached.
  virtual ~CQlmBorderWindow();
  CQlmBorderWindow(const CQlmBorderWindow&) = delete;
  CQlmBorderWindow& operator=(const CQlmBorderWindow&) = delete;

  // Keeps `window` (not owned) and measures its layer-0 renderer.
  void SetWindow(CQlmLayeredWindow* window);
  // Measures `copy`'s layer-0 renderer; the kept window stays.
  void SetOffScreenWindow(CQlmLayeredWindow* copy);
  // The frame into the kept window's layer 0.
  void AddToWindow();

  void SetColor(float r, float g, float b);
  const float* GetColor() const { return this->Color; }
  void SetVisibility(int on);
  int GetVisibility() const { return this->Visible; }

  CQlmLayeredWindow* GetWindow() const { return this->Window; }
  vtkBorderWindow* GetSource() const { return this->Source; }
  vtkActor2D* GetActor() const { return this->Actor; }

protected:
  CQlmBorderWindow();

private:
  vtkNew<vtkBorderWindow> Source;
  vtkNew<vtkPolyDataMapper2D> Mapper;
  vtkNew<vtkActor2D> Actor;
  CQlmLayeredWindow* Window = nullptr;
  int Visible = 1;
  float Color[3] = {1.0f, 1.0f, 1.0f};
};
