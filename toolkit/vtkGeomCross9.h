#pragma once
// A library mesh's outlines in the nine cross-sections: output k is the cut
// by the z = 0 plane of section k's matrix, in that plane's frame, with
// label k (one shared text) at the mesh's centre as seen there.
//
// After the owner moved the first section by `SetShift` places, section k may
// take the outline cached for section k + shift, but only when that cache was
// cut with the very matrix section k has now and the input did not change
// since; otherwise it is cut again.
#include <vtkActor2D.h>
#include <vtkMatrix4x4.h>
#include <vtkPolyData.h>

#include "toolkit/QlmSectionCache.h"
#include "toolkit/vtkGeomCutter.h"

class vtkGeomCross9 : public vtkGeomCutter {
public:
  static constexpr int Sections = 9;

  static vtkGeomCross9* New();
  vtkTypeMacro(vtkGeomCross9, vtkGeomCutter);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // Section k's placement (16 values row by row); k outside 0..8 is ignored.
  void SetSectionMatrix(int k, const double elements[16]);
  // Null for k outside 0..8.
  vtkMatrix4x4* GetSectionMatrix(int k) const;
  // The change of the first section's index since the last update; 0 after every update.
  void SetShift(int shift) { this->Cache.SetShift(shift); }
  int GetShift() const { return this->Cache.GetShift(); }

  // Null for k outside 0..8.
  vtkActor2D* GetLabelActor(int k) const override;
  void SetLabelVisibility(int on) override;
  // As the last update left section k (0 for k outside 0..8): false while its label is parked.
  bool GetLabelAnchor(int k, double anchor[3]) override;

  // The object's position / the centre of the input's bounds in section k's
  // frame, z = 0; section 0 for k outside 0..8.
  void GetPositionInSection(int k, float out[3]);
  void GetInputCenterInSection(int k, float out[3]);

  vtkGeomCross9(const vtkGeomCross9&) = delete;
  void operator=(const vtkGeomCross9&) = delete;

protected:
  vtkGeomCross9();
  ~vtkGeomCross9() override;

  int RequestData(vtkInformation*, vtkInformationVector** inputs, vtkInformationVector* outputs) override;

private:
  struct Section {
    vtkNew<vtkMatrix4x4> Matrix;
    vtkNew<vtkActor2D> Label;
  };
  static int Valid(int k) { return k >= 0 && k < Sections ? k : 0; }

  Section Sectioned[Sections];
  QlmSectionCache Cache{1};
};
