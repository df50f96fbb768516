#pragma once
// One bone-density band of the HU profile plot: dashed lines at the heights
// of BoneMin (bottom) and BoneMax (top) across the plot's width, and the two
// sides between them. The plot is HorzSize world units wide, centred on x = 0,
// and puts a CT value v at height (v - 2100) / 50 (vtkRullerWindowHU::HeightOf).
#include <vtkPolyDataAlgorithm.h>

class vtkHUGridSource : public vtkPolyDataAlgorithm {
public:
  static vtkHUGridSource* New();
  vtkTypeMacro(vtkHUGridSource, vtkPolyDataAlgorithm);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // Plot width in world units; 100 by default.
  vtkSetMacro(HorzSize, int);
  vtkGetMacro(HorzSize, int);
  // The band's CT values; 0 and 0 at first.
  vtkSetMacro(BoneMin, int);
  vtkGetMacro(BoneMin, int);
  vtkSetMacro(BoneMax, int);
  vtkGetMacro(BoneMax, int);
  // Whether the top and the bottom line are drawn; both 1 by default.
  vtkSetMacro(Top, int);
  vtkGetMacro(Top, int);
  vtkSetMacro(Bottom, int);
  vtkGetMacro(Bottom, int);

  // Dash and gap lengths in world units; 1 each by default.
  vtkSetMacro(DashLength, double);
  vtkGetMacro(DashLength, double);
  vtkSetMacro(GapLength, double);
  vtkGetMacro(GapLength, double);

  vtkHUGridSource(const vtkHUGridSource&) = delete;
  void operator=(const vtkHUGridSource&) = delete;

protected:
  vtkHUGridSource();
  ~vtkHUGridSource() override = default;

  int RequestData(vtkInformation* request, vtkInformationVector** inputVector,
                  vtkInformationVector* outputVector) override;

private:
  int HorzSize = 100;
  int BoneMin = 0;
  int BoneMax = 0;
  int Top = 1;
  int Bottom = 1;
  double DashLength = 1.0;
  double GapLength = 1.0;
};
