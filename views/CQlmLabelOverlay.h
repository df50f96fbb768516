#pragma once
// What the title, number and orientation overlays of one view share: their
// source of texts, the frame actor of its output (layer 3), the texts
// (layer 0), the window they are attached to and the visible flag.
#include <vtkNew.h>

#include <vector>

class CQlmLayeredWindow;
class vtkActor;
class vtkActor2D;
class vtkLabelWindowSource;
class vtkPolyDataMapper;

class CQlmLabelOverlay {
public:
  // Takes the frame and the texts out of the window when attached.
  virtual ~CQlmLabelOverlay();
  CQlmLabelOverlay(const CQlmLabelOverlay&) = delete;
  CQlmLabelOverlay& operator=(const CQlmLabelOverlay&) = delete;

  // Keeps `window` (not owned) and places the texts in its layer-0 renderer.
  void SetWindow(CQlmLayeredWindow* window);
  // Places the texts in `copy`'s layer-0 renderer; the kept window stays.
  void SetOffScreenWindow(CQlmLayeredWindow* copy);
  // The frame into layer 3, the texts into layer 0 of the kept window.
  void AddToWindow();

  int GetVisibility() const { return this->Visible; }
  CQlmLayeredWindow* GetWindow() const { return this->Window; }
  vtkActor* GetFrameActor() const { return this->FrameActor; }

protected:
  // `source` is owned from here on; `texts` are its text actors, in order.
  CQlmLabelOverlay(vtkLabelWindowSource* source, std::vector<vtkActor2D*> texts);

  vtkLabelWindowSource* Source;
  vtkNew<vtkPolyDataMapper> Mapper;
  vtkNew<vtkActor> FrameActor;
  CQlmLayeredWindow* Window = nullptr;
  int Visible = 1;

private:
  std::vector<vtkActor2D*> Texts;
};
