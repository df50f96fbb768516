#pragma once
// What the title, number and orientation overlays of the cross-section view
// share: one source of texts per cell with its frame actor (layer 3 of the
// cell) and its texts (layer 0 of the cell), the window and the visible flag.
#include <vtkActor.h>
#include <vtkPolyDataMapper.h>
#include <vtkSmartPointer.h>

#include <vector>

#include "toolkit/vtkLabelWindowSource.h"

class CQlmLayeredWindow9;
class vtkActor2D;
class vtkWin32TextMapper2;

class CQlmLabelOverlay9 {
public:
  static constexpr int CellCount = 9;
  static constexpr int CentreCell = 4;

  // Takes the frames and texts out of the cells when attached.
  virtual ~CQlmLabelOverlay9();
  CQlmLabelOverlay9(const CQlmLabelOverlay9&) = delete;
  CQlmLabelOverlay9& operator=(const CQlmLabelOverlay9&) = delete;

  // Keeps `window` (not owned); cell i's texts are placed in its layer-0 renderer.
  void SetWindow(CQlmLayeredWindow9* window);
  // Places cell i's texts in cell i of `copy`; the kept window stays.
  void SetOffScreenWindow(CQlmLayeredWindow9* copy);
  void AddToWindow();

  // A box behind every text of every cell.
  void SetBackground(int on);
  // The boxes' colour.
  void SetBackgroundColor(float r, float g, float b);
  // The sources' mode (vtkLabelWindowSource::SetMode); not stored.
  void SetMode(int mode);

  int GetVisibility() const { return this->Visible; }
  CQlmLayeredWindow9* GetWindow() const { return this->Window; }
  vtkLabelWindowSource* GetSource(int cell) const { return this->Source[cell]; }
  vtkActor* GetFrameActor(int cell) const { return this->FrameActor[cell]; }

protected:
  // `sources` (nine, owned from here on) and, per source, its text actors and mappers in order.
  CQlmLabelOverlay9(const std::vector<vtkSmartPointer<vtkLabelWindowSource>>& sources,
                    std::vector<vtkActor2D*> (*texts)(vtkLabelWindowSource*),
                    std::vector<vtkWin32TextMapper2*> (*mappers)(vtkLabelWindowSource*));

  const std::vector<vtkActor2D*>& GetTexts(int cell) const { return this->Texts[cell]; }
  const std::vector<vtkWin32TextMapper2*>& GetMappers(int cell) const { return this->Mappers[cell]; }

  int Visible = 1;

private:
  vtkSmartPointer<vtkLabelWindowSource> Source[CellCount];
  vtkSmartPointer<vtkPolyDataMapper> Mapper[CellCount];
  vtkSmartPointer<vtkActor> FrameActor[CellCount];
  std::vector<vtkActor2D*> Texts[CellCount];
  std::vector<vtkWin32TextMapper2*> Mappers[CellCount];
  CQlmLayeredWindow9* Window = nullptr;
};
