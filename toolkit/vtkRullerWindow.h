#pragma once
// A view's scale bars: a horizontal bar at the bottom and a vertical bar at
// the left, each four intervals of a round number of millimetres (1, 2 or 5
// times a power of ten, the smallest whose interval spans at least 25
// pixels), with a tick and its millimetre label at every interval.
//
// The bars measure the renderer set as viewport through its camera (parallel
// projection): viewport height in pixels / (2 x parallel scale) pixels per
// millimetre, so a copy at another size and resolution gets its own ticks.
// Output 0 holds the bars in the viewport's pixels (for a
// vtkPolyDataMapper2D); output 1 is empty. The labels are the 2D actors of
// the two collections, five each, laid out with the bars. Nothing is drawn
// until an image to measure is set.
#include <vtkActor2D.h>
#include <vtkActor2DCollection.h>
#include <vtkCamera.h>
#include <vtkImageData.h>
#include <vtkNew.h>
#include <vtkSmartPointer.h>
#include <vtkWeakPointer.h>

#include <vector>

#include "toolkit/vtkOverlayWindowSource.h"

class vtkCellArray;
class vtkPoints;
class vtkWin32TextMapper2;

class vtkRullerWindow : public vtkOverlayWindowSource {
public:
  static vtkRullerWindow* New();
  vtkTypeMacro(vtkRullerWindow, vtkOverlayWindowSource);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // Labels per bar: one per tick.
  static constexpr int LabelCount = 5;

  // The camera whose parallel scale gives the millimetres; not owned.
  void SetCamera(vtkCamera* camera);
  vtkCamera* GetCamera() const { return this->Camera; }

  // The image the view shows; null hides the bars and labels. Not owned.
  void SetImageData(vtkImageData* image);

  // Colour of the labels' text (the bars take their actor's colour); red by default.
  void SetColor(double r, double g, double b);
  // Shows or hides the labels (the bars are their actor's).
  void SetVisibility(int on);
  int GetVisibility() const { return this->Visibility; }
  // A box behind every label, in ColorBackground.
  void SetBackground(int on);
  void SetColorBackground(double r, double g, double b);

  vtkActor2DCollection* GetActor2DCollectionH() { return this->LabelsH; }
  vtkActor2DCollection* GetActor2DCollectionV() { return this->LabelsV; }
  // `apply` (vtkActor2D*) on every label, the horizontal ones first.
  template <class Apply>
  void ForEachLabel(Apply apply) {
    for (vtkActor2DCollection* labels : {this->LabelsH.GetPointer(), this->LabelsV.GetPointer()}) {
      for (int i = 0; i < labels->GetNumberOfItems(); ++i) apply(vtkActor2D::SafeDownCast(labels->GetItemAsObject(i)));
    }
  }

  // Pixels per millimetre at the last layout; 0 before it or without a camera.
  double GetPixelsPerMM() const { return this->PixelsPerMM; }
  // Millimetres between two ticks at the last layout.
  double GetTickSpacing() const { return this->TickSpacing; }

  vtkRullerWindow(const vtkRullerWindow&) = delete;
  void operator=(const vtkRullerWindow&) = delete;

protected:
  vtkRullerWindow();
  ~vtkRullerWindow() override;

  void BuildOutput(vtkPolyData* output, const int size[2]) override;
  vtkCamera* GetMeasuredCamera() const override { return this->Camera; }

  // The smallest round spacing (mm) whose interval spans at least 25 pixels.
  static double RoundSpacing(double pixelsPerMM);

  // A tick line from (x0, y0) to (x1, y1) in pixels.
  static void AddLine(vtkPoints* points, vtkCellArray* lines, double x0, double y0, double x1, double y1);
  // Label i of `labels` at (x, y) pixels with `text`, shown when the source is visible.
  void PlaceLabel(vtkActor2DCollection* labels, int i, double x, double y, const char* text);

  vtkWeakPointer<vtkCamera> Camera;
  vtkWeakPointer<vtkImageData> Image;
  vtkNew<vtkActor2DCollection> LabelsH;
  vtkNew<vtkActor2DCollection> LabelsV;
  int Visibility = 1;
  double PixelsPerMM = 0;
  double TickSpacing = 0;

  // The label mappers, horizontal ones first.
  std::vector<vtkSmartPointer<vtkWin32TextMapper2>> Mappers;

private:
  void AddLabels(vtkActor2DCollection* labels, int justification, int verticalJustification);
};
