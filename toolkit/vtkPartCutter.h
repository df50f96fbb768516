#pragma once
// The outline filter of one mesh of a multi-part object (its body or one of
// its parts) in a view: the library-mesh engine `Engine` (vtkGeomAxial,
// vtkGeomCross9 or vtkGeomPanoramic) unchanged, with the part index in the
// number label: the body reads "n", part slot p reads "n-(p + 1)".
#include <vtkObjectFactory.h>

template <class Engine>
class vtkPartCutter : public Engine {
public:
  vtkAbstractTemplateTypeMacro(vtkPartCutter<Engine>, Engine);

  // -1 for the body (at first), 0..49 for a part slot; the label text is rebuilt with the stored number.
  void SetPartIndex(int index) { this->SetLabelPart(index); }
  int GetPartIndex() const { return this->GetLabelPart(); }

  vtkPartCutter(const vtkPartCutter&) = delete;
  void operator=(const vtkPartCutter&) = delete;

protected:
  vtkPartCutter() = default;
  ~vtkPartCutter() override = default;
};
