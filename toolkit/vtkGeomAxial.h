#pragma once
// A library mesh's outline in the axial view: the placed mesh cut by the
// z = 0 plane of the slice transform, in that plane's frame, with the
// object's label at the mesh's centre as seen in the plane.
#include <vtkActor2D.h>
#include <vtkTransform.h>

#include "toolkit/vtkGeomCutter.h"

class vtkGeomAxial : public vtkGeomCutter {
public:
  static vtkGeomAxial* New();
  vtkTypeMacro(vtkGeomAxial, vtkGeomCutter);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // Places the slice plane (local z = 0; local x, y are the output's); its changes count in GetMTime.
  vtkTransform* GetTransform() const { return this->Transform; }

  vtkActor2D* GetLabelActor() const { return this->LabelActor; }
  vtkActor2D* GetLabelActor(int) const override { return this->LabelActor; }
  void SetLabelVisibility(int on) override;
  // Updates first; false while the slice misses the mesh.
  bool GetLabelAnchor(int k, double anchor[3]) override;

  // The object's position / the centre of the input's bounds in the slice frame, z = 0.
  void GetPositionInView(float out[3]);
  void GetInputCenterInView(float out[3]);

  vtkMTimeType GetMTime() override;

  vtkGeomAxial(const vtkGeomAxial&) = delete;
  void operator=(const vtkGeomAxial&) = delete;

protected:
  vtkGeomAxial();
  ~vtkGeomAxial() override;

  int RequestData(vtkInformation*, vtkInformationVector** inputs, vtkInformationVector* outputs) override;

private:
  vtkNew<vtkTransform> Transform;
  vtkNew<vtkActor2D> LabelActor;
};
