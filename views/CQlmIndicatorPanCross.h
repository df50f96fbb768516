#pragma once
// Where the current panoramic curve crosses the sections: the same vertical
// mark in each of the nine cross-section cells, labelled with the curve's
// offset from the arch in mm (x = that offset, 0 at the arch).
#include <vtkNew.h>

#include "views/CQlmIndicatorMember.h"

class CQlm3DWindow9;
class CQlmPanoramicCalc;
class vtkActor;
class vtkPolyData;
class vtkPolyDataMapper;

class CQlmIndicatorPanCross : public CQlmIndicatorMember {
public:
  static constexpr int CellCount = 9;

  static CQlmIndicatorPanCross* New() { return new CQlmIndicatorPanCross; }
  ~CQlmIndicatorPanCross() override;

  void SetWindow(CQlm3DWindow9* window) { this->Window = window; }
  void AddToWindow();
  void RemoveFromWindow();

  void SetCalc(CQlmPanoramicCalc* calc);
  // The mark length (the volume height); ignored when below 0 or not finite.
  void SetHeight(float length);
  void SetSectionPosition() { this->Rebuild(); }
  void Rebuild();

  vtkPolyData* GetMark(int cell) const { return this->Marks[cell]; }

protected:
  CQlmIndicatorPanCross();

private:
  vtkNew<vtkPolyData> Marks[CellCount];
  vtkNew<vtkPolyDataMapper> MarkMappers[CellCount];
  vtkNew<vtkActor> MarkActors[CellCount];
  CQlmPanoramicCalc* Calc = nullptr;
  CQlm3DWindow9* Window = nullptr;
  float MarkLength = 25.0f;
};
