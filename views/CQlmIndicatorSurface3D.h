#pragma once
// What the surface indicators of the 3D view share: a surface in the 3D
// renderer with its label on the overlay renderer, a height and a centre that
// rebuild it, transparency, and a colour the controller may hold back.
#include <vtkNew.h>

#include "views/CQlmIndicatorMember.h"

class CQlm3DWindow;
class CQlmPanoramicCalc;
class vtkActor;

class CQlmIndicatorSurface3D : public CQlmIndicatorMember {
public:
  ~CQlmIndicatorSurface3D() override;

  void SetWindow(CQlm3DWindow* window) { this->Window = window; }
  void AddToWindow();
  void RemoveFromWindow();

  // Ignored when below 0 or not finite.
  void SetHeight(float height);
  void SetCenter(double x, double y, double z);
  void SetTransparent(int on);
  int GetTransparent() const { return this->Transparent; }
  // Also stores the colour; applies it unless ColorHold is set.
  void SetColor(float r, float g, float b);
  virtual void Rebuild() = 0;

  // 1 mirrors the placement in y (set by the controller).
  int MirrorY = 0;
  // While 1 a new colour is stored but not applied (set by the controller).
  int ColorHold = 0;

protected:
  CQlmIndicatorSurface3D(int fontSize, int justification, int verticalJustification);

  vtkNew<vtkActor> SurfaceActor;
  CQlm3DWindow* Window = nullptr;
  CQlmPanoramicCalc* Calc = nullptr;
  float Height = 25.0f;
  double Center[3] = {0.0, 0.0, 0.0};

private:
  int Transparent = 0;
};
