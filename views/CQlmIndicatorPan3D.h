#pragma once
// The current panoramic curve extruded into a vertical band over the volume's
// height in the 3D view, labelled with the curve's offset from the arch. The
// arch geometry works centred on the volume: the band adds the volume centre
// to every point, after mirroring y when MirrorY is set.
#include <vtkNew.h>

#include "views/CQlmIndicatorMember.h"

class CQlm3DWindow;
class CQlmPanoramicCalc;
class vtkActor;
class vtkPolyData;
class vtkPolyDataMapper;
class vtkPolyDataNormals;

class CQlmIndicatorPan3D : public CQlmIndicatorMember {
public:
  static CQlmIndicatorPan3D* New() { return new CQlmIndicatorPan3D; }
  ~CQlmIndicatorPan3D() override;

  void SetWindow(CQlm3DWindow* window) { this->Window = window; }
  void AddToWindow();
  void RemoveFromWindow();

  void SetCalc(CQlmPanoramicCalc* calc);
  // Ignored when below 0 or not finite.
  void SetHeight(float height);
  void SetCenter(double x, double y, double z);
  void SetTransparent(int on);
  int GetTransparent() const { return this->Transparent; }
  // Also stores the colour; applies it unless ColorHold is set.
  void SetColor(float r, float g, float b);
  void Rebuild();

  vtkPolyData* GetBand() const { return this->Band; }
  vtkActor* GetBandActor() const { return this->BandActor; }

  // 1 mirrors the curve in y before placing it (set by the controller).
  int MirrorY = 0;
  // While 1 a new colour is stored but not applied (set by the controller).
  int ColorHold = 0;

protected:
  CQlmIndicatorPan3D();

private:
  vtkNew<vtkPolyData> Band;
  vtkNew<vtkPolyDataNormals> Normals;
  vtkNew<vtkPolyDataMapper> BandMapper;
  vtkNew<vtkActor> BandActor;
  CQlm3DWindow* Window = nullptr;
  CQlmPanoramicCalc* Calc = nullptr;
  float Height = 25.0f;
  double Center[3] = {0.0, 0.0, 0.0};
  int Transparent = 0;
};
