#pragma once
// Builds a guide ring's mesh in the implant's frame: a hollow cylinder on
// the implant axis from `Start` to `End` above the platform, of outer and
// inner diameters `Outer` and `Inner` (mm).
#include <vtkNew.h>

#include "platform/CObject.h"

class vtkPolyData;
class vtkRingSource;

class CQlmImplantRingCreator : public CObject {
public:
  static CQlmImplantRingCreator* CreateObject() { return new CQlmImplantRingCreator; }
  CQlmImplantRingCreator();
  ~CQlmImplantRingCreator() override;

  // The ring of the current values, built anew by each call.
  vtkPolyData* GetOutput();

  float Outer = 6.0f;
  float Inner = 5.0f;
  float Start = 9.0f;
  float End = 13.0f;

private:
  vtkNew<vtkRingSource> Source;
};
