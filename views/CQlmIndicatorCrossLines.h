#pragma once
// Where the nine cross-sections lie, drawn in a 2D view as nine lines with
// their arc lengths in whole mm (index 4 is the centre section), or in the
// all-sections mode as a tick at every possible section position along the
// whole arch with a number at every NumberStep-th tick, plus the centre line.
// The axial and panoramic views differ only in where lines and numbers go
// (Rebuild); visibility, label and colour rules are shared here.
#include <array>
#include <vtkNew.h>

#include "views/CQlmIndicatorCrossRange.h"

class CQlm3DWindow;
class CQlmPanoramicCalc;
class vtkActor;
class vtkActor2D;
class vtkActor2DCollection;
class vtkPolyData;
class vtkPolyDataMapper;
class vtkWin32TextMapper2;
class vtkWin32TextMapperCollection2;

class CQlmIndicatorCrossLines {
public:
  static constexpr int SectionCount = 9;
  static constexpr int CentreSection = 4;

  virtual ~CQlmIndicatorCrossLines();
  CQlmIndicatorCrossLines(const CQlmIndicatorCrossLines&) = delete;
  CQlmIndicatorCrossLines& operator=(const CQlmIndicatorCrossLines&) = delete;

  // Deletes `lines` when not null.
  static void Delete(CQlmIndicatorCrossLines* lines) { delete lines; }

  void SetWindow(CQlm3DWindow* window) { this->Window = window; }
  void AddToWindow();
  void RemoveFromWindow();

  void SetIndex(int index);
  // Ignored when 0 or less, or not finite.
  void SetSpacing(float spacing);
  void SetShowAllSections(int on);
  void SetVisibility(int visible);
  void SetLabelVisibility(int visible);

  void SetColor(float r, float g, float b);
  void SetNeighborLinesColor(float r, float g, float b);
  void SetAllSectionsColor(float r, float g, float b);
  void SetLabelColor(float r, float g, float b);
  void SetNeighborLabelsColor(float r, float g, float b);
  void SetAllSectionsLabelColor(float r, float g, float b);
  void SetLabelBackground(int on);
  void SetLabelBackgroundColor(float r, float g, float b);

  virtual void Rebuild() = 0;

  const CQlmIndicatorCrossRange& GetRange() const { return this->Range; }
  int GetVisibility() const { return this->Visible; }
  int GetLabelsShown() const { return this->LabelsShown; }
  int GetShowAllSections() const { return this->AllSections; }
  float GetLineLength() const { return this->LineLength; }
  vtkPolyData* GetCentreLine() const { return this->CentreLine; }
  vtkPolyData* GetNeighborLines() const { return this->NeighborLines; }
  vtkPolyData* GetTicks() const { return this->Ticks; }
  vtkActor* GetCentreActor() const { return this->CentreActor; }
  vtkActor* GetNeighborActor() const { return this->NeighborActor; }
  vtkActor* GetTicksActor() const { return this->TicksActor; }
  vtkWin32TextMapper2* GetLabel(int section) const { return this->Labels[section]; }
  vtkActor2D* GetLabelActor(int section) const { return this->LabelActors[section]; }
  vtkActor2DCollection* GetTickNumberActors() const { return this->TickNumberActors; }
  vtkWin32TextMapperCollection2* GetTickNumbers() const { return this->TickNumbers; }

  // A number at every NumberStep-th tick in the all-sections mode; a step
  // below 1 numbers every tick. Written by the controller; Rebuild after.
  int NumberStep = 5;
  // 1: the cross-section view shows one section; the neighbour lines hide.
  // Written by the controller; SetVisibility with the visible flag after.
  int SingleSection = 0;

protected:
  // `lineLength` the lines' length; `labelVerticalJustification` 1 centred, 2 top.
  CQlmIndicatorCrossLines(float lineLength, int labelVerticalJustification);

  float ArchLength() const;
  // The number of section k and where it stands; `inView` 0 hides it (its
  // section lies outside the view).
  void PlaceLabel(int section, double x, double y, double z, bool inView = true);
  void ApplyLabelVisibility();
  // True when the tick numbers were built for `key` (arch, lengths, step)
  // and still exist; otherwise they are removed and `key` remembered.
  bool KeepTickNumbers(const std::array<double, 6>& key);
  void ClearTickNumbers();
  void AddTickNumber(float position, double x, double y, double z);
  int EffectiveStep() const { return this->NumberStep < 1 ? 1 : this->NumberStep; }

  vtkWin32TextMapper2* Labels[SectionCount];
  vtkActor2D* LabelActors[SectionCount];
  bool LabelInView[SectionCount];
  vtkNew<vtkWin32TextMapperCollection2> TickNumbers;
  vtkNew<vtkActor2DCollection> TickNumberActors;
  vtkNew<vtkPolyData> CentreLine;
  vtkNew<vtkPolyDataMapper> CentreMapper;
  vtkNew<vtkActor> CentreActor;
  vtkNew<vtkPolyData> NeighborLines;
  vtkNew<vtkPolyDataMapper> NeighborMapper;
  vtkNew<vtkActor> NeighborActor;
  vtkNew<vtkPolyData> Ticks;
  vtkNew<vtkPolyDataMapper> TicksMapper;
  vtkNew<vtkActor> TicksActor;
  CQlmPanoramicCalc* Calc = nullptr;
  CQlm3DWindow* Window = nullptr;
  int Visible = 1;
  float TickNumberColor[3] = {0.55f, 0.55f, 1.0f};
  float LineLength;
  CQlmIndicatorCrossRange Range;
  int LabelsShown = 0;
  int LabelsWanted = 0;
  int LabelBackground = 0;
  float LabelBackgroundColor[3] = {1.0f, 1.0f, 1.0f};
  int AllSections = 0;

private:
  std::array<double, 6> TickKey{};
  bool TickKeyValid = false;
};
