#pragma once
// Shows the nine cross-sections of the nine-slice image, slice i in cell i of
// the 3x3 cross-section window, all through one grey window.
#include "toolkit/vtkImage16bitsMonocromeTo8BitsRGBFilter.h"
#include "toolkit/vtkWin32ImageMapper29.h"

#include <vtkActor2D.h>
#include <vtkNew.h>

class CQlmLayeredWindow9;
class vtkImageData;

class CQlmCTViewer92 {
public:
  static constexpr int CellCount = 9;

  CQlmCTViewer92();
  // Takes the nine actors out of the cell renderers when there is a window.
  virtual ~CQlmCTViewer92();
  CQlmCTViewer92(const CQlmCTViewer92&) = delete;
  CQlmCTViewer92& operator=(const CQlmCTViewer92&) = delete;

  static CQlmCTViewer92* New() { return new CQlmCTViewer92; }

  // The nine-slice image shown (not owned).
  void SetInput(vtkImageData* image);
  vtkImageData* GetInput() const { return this->Input; }

  // The 3x3 window's render-window wrapper (not owned); null (the default) for none.
  void SetWindow(CQlmLayeredWindow9* window) { this->Window = window; }
  CQlmLayeredWindow9* GetWindow() const { return this->Window; }
  // Actor i into / out of the layer-3 renderer of cell i; nothing without a window.
  void AddToRenderers();
  void RemoveFromRenderers();

  // The grey window of all nine panes, as CQlmCTViewer2::SetMinimum and SetMaximum.
  void SetMinimum(float value);
  void SetMaximum(float value);
  // Interpolation of all nine mappers (vtkWin32ImageMapper2::SetInterpolation).
  void SetInterpolation(int flag);

  vtkImage16bitsMonocromeTo8BitsRGBFilter* GetWindowLevelFilter() const { return this->WindowLevelFilter; }
  vtkWin32ImageMapper29* GetMapper(int cell) const { return this->Mappers[cell]; }
  vtkActor2D* GetActor(int cell) const { return this->Actors[cell]; }

private:
  vtkImageData* Input = nullptr;
  vtkNew<vtkImage16bitsMonocromeTo8BitsRGBFilter> WindowLevelFilter;
  vtkNew<vtkWin32ImageMapper29> Mappers[CellCount];
  vtkNew<vtkActor2D> Actors[CellCount];
  CQlmLayeredWindow9* Window = nullptr;
};
