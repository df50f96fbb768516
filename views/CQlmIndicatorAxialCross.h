#pragma once
// The axial slice's level as a horizontal line across each of the nine
// cross-section cells (the same line and label shown in every cell),
// labelled with the level in mm.
#include <vtkNew.h>

#include "views/CQlmIndicatorAxialRange.h"
#include "views/CQlmIndicatorMember.h"

class CQlm3DWindow9;
class vtkActor;
class vtkPolyData;
class vtkPolyDataMapper;

class CQlmIndicatorAxialCross : public CQlmIndicatorMember {
public:
  static CQlmIndicatorAxialCross* New() { return new CQlmIndicatorAxialCross; }
  ~CQlmIndicatorAxialCross() override;

  void SetWindow(CQlm3DWindow9* window) { this->Window = window; }
  void AddToWindow();
  void RemoveFromWindow();

  void SetIndex(int index);
  void SetHeight(float height);
  void SetSpacing(float spacing);
  // The cross-section width; ignored when 0 or less, or not finite.
  void SetWidth(float width);
  void SetLevelOffset(float originZ) { this->LevelOffset = originZ; }
  void Rebuild();

  const CQlmIndicatorAxialRange& GetRange() const { return this->Range; }
  vtkPolyData* GetLine() const { return this->Line; }

protected:
  CQlmIndicatorAxialCross();

private:
  vtkNew<vtkPolyData> Line;
  vtkNew<vtkPolyDataMapper> LineMapper;
  vtkNew<vtkActor> LineActor;
  CQlm3DWindow9* Window = nullptr;
  float Width = 32.0f;
  CQlmIndicatorAxialRange Range;
  float LevelOffset = 0.0f;
};
