#pragma once
// Base of the overlay sources: a poly-data source tied to the renderer whose
// viewport it decorates. The source executes again before the window of
// that renderer draws whenever the viewport's pixel size or its camera's zoom or centre
// changed, so what it lays out in pixels follows the view (and an off-screen
// copy at another size gets its own layout).
//
// Its outputs are empty unless a subclass draws into the first (BuildOutput).
#include <vtkPolyDataAlgorithm.h>
#include <vtkViewport.h>
#include <vtkWeakPointer.h>

class vtkCallbackCommand;
class vtkCamera;

class vtkOverlayWindowSource : public vtkPolyDataAlgorithm {
public:
  vtkTypeMacro(vtkOverlayWindowSource, vtkPolyDataAlgorithm);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // The renderer measured and decorated; not owned (null: nothing laid out).
  virtual void SetViewport(vtkViewport* viewport);
  vtkViewport* GetViewport() const { return this->Viewport; }

  vtkOverlayWindowSource(const vtkOverlayWindowSource&) = delete;
  void operator=(const vtkOverlayWindowSource&) = delete;

protected:
  vtkOverlayWindowSource();
  ~vtkOverlayWindowSource() override;

  int RequestData(vtkInformation*, vtkInformationVector**, vtkInformationVector*) override;

  // Fills `output` for the viewport's present size (pixels, > 0 each).
  virtual void BuildOutput(vtkPolyData* output, const int size[2]);

  // The camera whose zoom and centre the layout depends on; none by default.
  virtual vtkCamera* GetMeasuredCamera() const { return nullptr; }

  vtkWeakPointer<vtkViewport> Viewport;

private:
  static void BeforeViewportRenders(vtkObject* caller, unsigned long event, void* self, void* data);
  void WatchViewport(vtkViewport* viewport);
  bool LayoutChanged();

  vtkCallbackCommand* Watcher;
  vtkWeakPointer<vtkObject> Watched;
  unsigned long WatchTag = 0;
  double LaidOut[5] = {-1, -1, -1, -1, -1};
};
