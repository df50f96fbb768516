#pragma once
// The image mapper of one cell of the 3x3 cross-section window: draws one z
// slice of a many-slice 8-bit RGB image, as vtkWin32ImageMapper2 draws a whole
// image (in the plane z = 0 of the cell's camera).
#include "toolkit/vtkWin32ImageMapper2.h"

class vtkWin32ImageMapper29 : public vtkWin32ImageMapper2 {
public:
  static vtkWin32ImageMapper29* New();
  vtkTypeMacro(vtkWin32ImageMapper29, vtkWin32ImageMapper2);

  // The slice drawn, counted from the first z index of the input's extent;
  // clamped into the extent when drawn. Default 0.
  vtkSetMacro(ZSlice, int);
  vtkGetMacro(ZSlice, int);

  vtkWin32ImageMapper29(const vtkWin32ImageMapper29&) = delete;
  void operator=(const vtkWin32ImageMapper29&) = delete;

protected:
  vtkWin32ImageMapper29() = default;
  ~vtkWin32ImageMapper29() override = default;
};
