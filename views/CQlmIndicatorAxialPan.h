#pragma once
// The axial slice's level as a horizontal line across the panoramic view,
// labelled with the level in mm. The line spans the arch, or the attached
// polyline while one is attached.
#include <vtkNew.h>

#include "views/CQlmIndicatorAxialRange.h"
#include "views/CQlmIndicatorMember.h"

class CQlm3DWindow;
class CQlmPanoramicCalc;
class CQlmPolyLineBase;
class vtkActor;
class vtkPolyData;
class vtkPolyDataMapper;

class CQlmIndicatorAxialPan : public CQlmIndicatorMember {
public:
  static CQlmIndicatorAxialPan* New() { return new CQlmIndicatorAxialPan; }
  ~CQlmIndicatorAxialPan() override;

  void SetWindow(CQlm3DWindow* window) { this->Window = window; }
  void AddToWindow();
  void RemoveFromWindow();

  void SetIndex(int index);
  void SetHeight(float height);
  void SetSpacing(float spacing);
  void SetCalc(CQlmPanoramicCalc* calc);
  void SetLevelOffset(float originZ) { this->LevelOffset = originZ; }
  void Rebuild();

  const CQlmIndicatorAxialRange& GetRange() const { return this->Range; }
  vtkPolyData* GetLine() const { return this->Line; }

  // The polyline whose length the line spans instead of the arch (the nerve
  // being edited); not owned, null normally. Rebuild after changing it.
  CQlmPolyLineBase* AttachedPolyLine = nullptr;

protected:
  CQlmIndicatorAxialPan();

private:
  vtkNew<vtkPolyData> Line;
  vtkNew<vtkPolyDataMapper> LineMapper;
  vtkNew<vtkActor> LineActor;
  CQlmPanoramicCalc* Calc = nullptr;
  CQlm3DWindow* Window = nullptr;
  float Width = 100.0f;
  CQlmIndicatorAxialRange Range;
  float LevelOffset = 0.0f;
};
