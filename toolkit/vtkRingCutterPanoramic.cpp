#include "toolkit/vtkRingCutterPanoramic.h"

#include <vtkMatrix4x4.h>
#include <vtkObjectFactory.h>

#include <algorithm>

vtkStandardNewMacro(vtkRingCutterPanoramic);

vtkRingCutterPanoramic::vtkRingCutterPanoramic() = default;

vtkRingCutterPanoramic::~vtkRingCutterPanoramic() = default;

void vtkRingCutterPanoramic::SetMatrixImplant(vtkMatrix4x4* matrix) {
  this->MatrixImplant = matrix;
  this->Modified();
}

vtkMTimeType vtkRingCutterPanoramic::GetMTime() {
  vtkMTimeType time = this->Superclass::GetMTime();
  if (this->MatrixImplant) time = std::max(time, this->MatrixImplant->GetMTime());
  return time;
}

void vtkRingCutterPanoramic::GetProjectionCentre(vtkPolyData* mesh, double centre[3]) {
  if (!this->MatrixImplant) {
    this->Superclass::GetProjectionCentre(mesh, centre);
    return;
  }
  for (int i = 0; i < 3; ++i) centre[i] = this->MatrixImplant->GetElement(i, 3);
}

void vtkRingCutterPanoramic::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "MatrixImplant: " << this->MatrixImplant.GetPointer() << "\n";
}
