#pragma once
// A guide ring: a closed hollow cylinder on the z axis from the near to the
// far distance, between an inner and an outer radius at each end (the
// radii may differ between the ends), made of triangles with `Resolution`
// sides around. A far distance not beyond the near one, or an inner radius
// not inside the outer one, gives an empty ring.
#include <vtkPolyDataAlgorithm.h>

class vtkRingSource : public vtkPolyDataAlgorithm {
public:
  static vtkRingSource* New();
  vtkTypeMacro(vtkRingSource, vtkPolyDataAlgorithm);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // Sides around; 3 to 1024, 16 at first.
  vtkSetClampMacro(Resolution, int, 3, 1024);
  vtkGetMacro(Resolution, int);
  // Radii (mm) at the near and the far end; outer 3, inner 2.5 at first.
  vtkSetMacro(RadiusNearOut, double);
  vtkGetMacro(RadiusNearOut, double);
  vtkSetMacro(RadiusFarOut, double);
  vtkGetMacro(RadiusFarOut, double);
  vtkSetMacro(RadiusNearIn, double);
  vtkGetMacro(RadiusNearIn, double);
  vtkSetMacro(RadiusFarIn, double);
  vtkGetMacro(RadiusFarIn, double);
  // Ends along z (mm); 9 and 13 at first.
  vtkSetMacro(NearDist, double);
  vtkGetMacro(NearDist, double);
  vtkSetMacro(FarDist, double);
  vtkGetMacro(FarDist, double);

  vtkRingSource(const vtkRingSource&) = delete;
  void operator=(const vtkRingSource&) = delete;

protected:
  vtkRingSource();
  ~vtkRingSource() override;

  int RequestData(vtkInformation*, vtkInformationVector**, vtkInformationVector* outputs) override;

private:
  int Resolution = 16;
  double RadiusNearOut = 3.0;
  double RadiusFarOut = 3.0;
  double RadiusNearIn = 2.5;
  double RadiusFarIn = 2.5;
  double NearDist = 9.0;
  double FarDist = 13.0;
};
