#pragma once
// A guide ring's outline in the panoramic view: as vtkPolyDataCutterPanoramic,
// but the thick projection takes the strip of the segment nearest to the
// ring's implant platform, as the implant's own outline does, so that ring
// and implant are unrolled alike.
#include <vtkSmartPointer.h>

#include "toolkit/vtkPolyDataCutterPanoramic.h"

class vtkMatrix4x4;

class vtkRingCutterPanoramic : public vtkPolyDataCutterPanoramic {
public:
  static vtkRingCutterPanoramic* New();
  vtkTypeMacro(vtkRingCutterPanoramic, vtkPolyDataCutterPanoramic);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // The implant's placement (implant frame to world); borrowed, its changes
  // count in GetMTime. Without one the mesh's middle serves.
  void SetMatrixImplant(vtkMatrix4x4* matrix);
  vtkMatrix4x4* GetMatrixImplant() const { return this->MatrixImplant; }

  vtkMTimeType GetMTime() override;

  vtkRingCutterPanoramic(const vtkRingCutterPanoramic&) = delete;
  void operator=(const vtkRingCutterPanoramic&) = delete;

protected:
  vtkRingCutterPanoramic();
  ~vtkRingCutterPanoramic() override;

  void GetProjectionCentre(vtkPolyData* mesh, double centre[3]) override;

private:
  vtkSmartPointer<vtkMatrix4x4> MatrixImplant;
};
