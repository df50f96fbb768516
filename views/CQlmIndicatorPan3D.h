#pragma once
// The current panoramic curve extruded into a vertical band over the volume's
// height in the 3D view, labelled with the curve's offset from the arch. The
// arch geometry works centred on the volume: the band adds the volume centre
// to every point, after mirroring y when MirrorY is set.
#include <vtkNew.h>

#include "views/CQlmIndicatorSurface3D.h"

class CQlmPanoramicCalc;
class vtkPolyData;
class vtkPolyDataMapper;
class vtkPolyDataNormals;

class CQlmIndicatorPan3D : public CQlmIndicatorSurface3D {
public:
  static CQlmIndicatorPan3D* New() { return new CQlmIndicatorPan3D; }
  ~CQlmIndicatorPan3D() override;

  void SetCalc(CQlmPanoramicCalc* calc);
  void Rebuild() override;

  vtkPolyData* GetBand() const { return this->Band; }
  vtkActor* GetBandActor() const { return this->SurfaceActor; }

protected:
  CQlmIndicatorPan3D();

private:
  vtkNew<vtkPolyData> Band;
  vtkNew<vtkPolyDataNormals> Normals;
  vtkNew<vtkPolyDataMapper> BandMapper;
};
