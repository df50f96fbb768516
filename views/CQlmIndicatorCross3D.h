#pragma once
// The centre cross-section as a vertical rectangle across the arch in the 3D
// view, labelled with its arc length. Placed by the arch geometry's section
// matrix (mirrored in y when MirrorY is set) and shifted by the volume centre.
#include <vtkNew.h>

#include "views/CQlmIndicatorCrossRange.h"
#include "views/CQlmIndicatorMember.h"

class CQlm3DWindow;
class CQlmPanoramicCalc;
class vtkActor;
class vtkPolyData;
class vtkPolyDataMapper;

class CQlmIndicatorCross3D : public CQlmIndicatorMember {
public:
  static CQlmIndicatorCross3D* New() { return new CQlmIndicatorCross3D; }
  ~CQlmIndicatorCross3D() override;

  void SetWindow(CQlm3DWindow* window) { this->Window = window; }
  void AddToWindow();
  void RemoveFromWindow();

  void SetIndex(int index);
  void SetCalc(CQlmPanoramicCalc* calc);
  void SetSpacing(float spacing);
  // Ignored when 0 or less, or not finite.
  void SetWidth(float width);
  // Ignored when below 0 or not finite.
  void SetHeight(float height);
  void SetCenter(double x, double y, double z);
  void SetTransparent(int on);
  int GetTransparent() const { return this->Transparent; }
  // Also stores the colour; applies it unless ColorHold is set.
  void SetColor(float r, float g, float b);
  void Rebuild();

  const CQlmIndicatorCrossRange& GetRange() const { return this->Range; }
  vtkPolyData* GetPlane() const { return this->Plane; }
  vtkActor* GetPlaneActor() const { return this->PlaneActor; }

  // 1 mirrors the section placement in y (set by the controller).
  int MirrorY = 0;
  // While 1 a new colour is stored but not applied (set by the controller).
  int ColorHold = 0;

protected:
  CQlmIndicatorCross3D();

private:
  float ArchLength() const;

  vtkNew<vtkPolyData> Plane;
  vtkNew<vtkPolyDataMapper> PlaneMapper;
  vtkNew<vtkActor> PlaneActor;
  CQlmPanoramicCalc* Calc = nullptr;
  CQlm3DWindow* Window = nullptr;
  int Transparent = 0;
  float Width = 32.0f;
  float Height = 25.0f;
  CQlmIndicatorCrossRange Range;
  double Center[3] = {0.0, 0.0, 0.0};
};
