#pragma once
// Base of the overlay sources that show texts at fixed places of a viewport
// (titles, numbers, orientation letters). Each text is a label mapper with
// its actor, anchored at a point of the viewport given in fractions of its
// size plus a few pixels inwards, so it stays at its edge or corner whatever
// the viewport's size. The output is an empty frame: the box behind a text
// is the label mapper's background.
#include <vtkNew.h>
#include <vtkSmartPointer.h>

#include <vector>

#include "toolkit/vtkOverlayWindowSource.h"

class vtkActor2D;
class vtkCoordinate;
class vtkWin32TextMapper2;

class vtkLabelWindowSource : public vtkOverlayWindowSource {
public:
  vtkTypeMacro(vtkLabelWindowSource, vtkOverlayWindowSource);

  // Also the viewport in which the texts' places are computed.
  void SetViewport(vtkViewport* viewport) override;

  // 0: the texts of a whole view (font size 12); 1: of a cell of the 3x3 view (font size 10).
  void SetMode(int mode);
  int GetMode() const { return this->Mode; }

  // Font sizes of the two modes.
  static constexpr int ViewFontSize = 12;
  static constexpr int CellFontSize = 10;

  vtkLabelWindowSource(const vtkLabelWindowSource&) = delete;
  void operator=(const vtkLabelWindowSource&) = delete;

protected:
  vtkLabelWindowSource() = default;
  ~vtkLabelWindowSource() override;

  // A text anchored at (fx, fy) of the viewport (0 to 1 each) moved by (dx,
  // dy) pixels, with the mapper's horizontal and vertical justification.
  // Returns its index.
  int AddLabel(double fx, double fy, double dx, double dy, int justification, int verticalJustification);

public:
  // Text `index` (in the order the subclass added them) and its mapper.
  vtkActor2D* GetLabelActor(int index) const;
  vtkWin32TextMapper2* GetLabelMapper(int index) const;
  int GetNumberOfLabels() const { return static_cast<int>(this->Labels.size()); }

private:
  struct Label {
    vtkSmartPointer<vtkWin32TextMapper2> Mapper;
    vtkSmartPointer<vtkActor2D> Actor;
    vtkSmartPointer<vtkCoordinate> Anchor;
  };
  std::vector<Label> Labels;
  int Mode = 0;
};
