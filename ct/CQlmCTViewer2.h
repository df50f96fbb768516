#pragma once
// Shows one 16-bit CT image (the axial slice, the panoramic image or a nerve
// reformat) in the image layer of one view, through a grey window that the user
// moves by its lower and upper ends.
#include "toolkit/vtkImage16bitsMonocromeTo8BitsRGBFilter.h"
#include "toolkit/vtkWin32ImageMapper2.h"

#include <vtkActor2D.h>
#include <vtkNew.h>

class CQlmLayeredWindow;
class vtkAlgorithmOutput;
class vtkImageData;

class CQlmCTViewer2 {
public:
  CQlmCTViewer2();
  // Takes the actor out of the window's renderer when there is a window.
  virtual ~CQlmCTViewer2();
  CQlmCTViewer2(const CQlmCTViewer2&) = delete;
  CQlmCTViewer2& operator=(const CQlmCTViewer2&) = delete;

  static CQlmCTViewer2* New() { return new CQlmCTViewer2; }

  // The image shown (not owned), as it is.
  void SetInput(vtkImageData* image);
  // The image made by a pipeline filter (the nerve reformat): the view follows
  // the filter's updates at every render.
  void SetInputConnection(vtkAlgorithmOutput* port);
  vtkImageData* GetInput() const { return this->Input; }

  // The view's render-window wrapper (not owned); null (the default) for none.
  void SetWindow(CQlmLayeredWindow* window) { this->Window = window; }
  CQlmLayeredWindow* GetWindow() const { return this->Window; }
  // The actor into / out of the window's layer-3 renderer; nothing without a window.
  void AddToRenderer();
  void RemoveFromRenderer();

  // Lower end of the grey window; the upper end stays.
  void SetMinimum(float value);
  // Upper end of the grey window; the lower end stays. Below the lower end the
  // window width turns negative and is passed on as it is.
  void SetMaximum(float value);

  // The same on any grey filter (the nine-pane viewer shares them).
  static void SetWindowMinimum(vtkImage16bitsMonocromeTo8BitsRGBFilter* filter, float value);
  static void SetWindowMaximum(vtkImage16bitsMonocromeTo8BitsRGBFilter* filter, float value);
  vtkImage16bitsMonocromeTo8BitsRGBFilter* GetWindowLevelFilter() const { return this->WindowLevelFilter; }
  vtkWin32ImageMapper2* GetMapper() const { return this->Mapper; }
  vtkActor2D* GetActor() const { return this->Actor; }

private:
  vtkImageData* Input = nullptr;
  vtkNew<vtkWin32ImageMapper2> Mapper;
  vtkNew<vtkImage16bitsMonocromeTo8BitsRGBFilter> WindowLevelFilter;
  vtkNew<vtkActor2D> Actor;
  CQlmLayeredWindow* Window = nullptr;
};
