#pragma once
// The axial slice as a horizontal square in the 3D view, labelled with the
// level in mm; opaque or transparent (opacity 0.65).
#include <vtkNew.h>

#include "views/CQlmIndicatorAxialRange.h"
#include "views/CQlmIndicatorMember.h"

class CQlm3DWindow;
class vtkActor;
class vtkPolyData;
class vtkPolyDataMapper;

class CQlmIndicatorAxial3D : public CQlmIndicatorMember {
public:
  static CQlmIndicatorAxial3D* New() { return new CQlmIndicatorAxial3D; }
  ~CQlmIndicatorAxial3D() override;

  void SetWindow(CQlm3DWindow* window) { this->Window = window; }
  void AddToWindow();
  void RemoveFromWindow();

  void SetIndex(int index);
  void SetHeight(float height);
  void SetSpacing(float spacing);
  void SetSize(float x, float y);
  void SetCenter(double x, double y, double z);
  void SetLevelOffset(float originZ) { this->LevelOffset = originZ; }
  void SetTransparent(int on);
  int GetTransparent() const { return this->Transparent; }
  void Rebuild();

  const CQlmIndicatorAxialRange& GetRange() const { return this->Range; }
  const double* GetCenter() const { return this->Center; }
  vtkPolyData* GetSquare() const { return this->Square; }
  vtkActor* GetSquareActor() const { return this->SquareActor; }

protected:
  CQlmIndicatorAxial3D();

private:
  vtkNew<vtkPolyData> Square;
  vtkNew<vtkPolyDataMapper> SquareMapper;
  vtkNew<vtkActor> SquareActor;
  CQlm3DWindow* Window = nullptr;
  float SizeX = 100.0f;
  float SizeY = 100.0f;
  CQlmIndicatorAxialRange Range;
  double Center[3] = {0.0, 0.0, 0.0};
  int Transparent = 0;
  float LevelOffset = 0.0f;
};
