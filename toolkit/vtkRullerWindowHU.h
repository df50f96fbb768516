#pragma once
// The axes of the HU profile plot: a vertical scale in Hounsfield units at
// the plot's left edge (a CT value v lies at world height (v - 2100) / 50)
// and a horizontal scale in millimetres along its bottom, for a plot of
// Size[0] x Size[1] world units centred on the origin. Ticks every 1000 HU
// from 0 and every quarter of the width; a tick outside the plot is not drawn.
#include "toolkit/vtkRullerWindow.h"

class vtkRullerWindowHU : public vtkRullerWindow {
public:
  static vtkRullerWindowHU* New();
  vtkTypeMacro(vtkRullerWindowHU, vtkRullerWindow);

  // World height of the CT value `hu` in the plot.
  static double HeightOf(double hu) { return (hu - 2100.0) / 50.0; }

  // The plot's width and height in world units.
  void SetSize(int w, int h);
  const int* GetSize() const { return this->Size; }

  vtkRullerWindowHU(const vtkRullerWindowHU&) = delete;
  void operator=(const vtkRullerWindowHU&) = delete;

protected:
  vtkRullerWindowHU() = default;
  ~vtkRullerWindowHU() override = default;

  void BuildOutput(vtkPolyData* output, const int size[2]) override;

private:
  int Size[2] = {0, 0};
};
