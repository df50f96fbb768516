#pragma once
// The centre cross-section as a vertical rectangle across the arch in the 3D
// view, labelled with its arc length. Placed by the arch geometry's section
// matrix (mirrored in y when MirrorY is set) and shifted by the volume centre.
#include <vtkNew.h>

#include "views/CQlmIndicatorCrossRange.h"
#include "views/CQlmIndicatorSurface3D.h"

class CQlmPanoramicCalc;
class vtkActor;
class vtkPolyData;
class vtkPolyDataMapper;

class CQlmIndicatorCross3D : public CQlmIndicatorSurface3D {
public:
  static CQlmIndicatorCross3D* New() { return new CQlmIndicatorCross3D; }
  ~CQlmIndicatorCross3D() override;

  void SetIndex(int index);
  void SetCalc(CQlmPanoramicCalc* calc);
  void SetSpacing(float spacing);
  // Ignored when 0 or less, or not finite.
  void SetWidth(float width);
  void Rebuild() override;

  const CQlmIndicatorCrossRange& GetRange() const { return this->Range; }
  vtkPolyData* GetPlane() const { return this->Plane; }
  vtkActor* GetPlaneActor() const { return this->SurfaceActor; }

protected:
  CQlmIndicatorCross3D();

private:
  float ArchLength() const;

  vtkNew<vtkPolyData> Plane;
  vtkNew<vtkPolyDataMapper> PlaneMapper;
  float Width = 32.0f;
  CQlmIndicatorCrossRange Range;
};
