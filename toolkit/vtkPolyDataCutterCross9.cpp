#include "toolkit/vtkPolyDataCutterCross9.h"

#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkMatrix4x4.h>
#include <vtkObjectFactory.h>
#include <vtkPolyData.h>


vtkStandardNewMacro(vtkPolyDataCutterCross9);

vtkPolyDataCutterCross9::vtkPolyDataCutterCross9() { this->SetNumberOfOutputPorts(Sections); }

vtkPolyDataCutterCross9::~vtkPolyDataCutterCross9() = default;

int vtkPolyDataCutterCross9::FillInputPortInformation(int, vtkInformation* info) {
  info->Set(vtkAlgorithm::INPUT_REQUIRED_DATA_TYPE(), "vtkPolyData");
  info->Set(vtkAlgorithm::INPUT_IS_OPTIONAL(), 1);
  return 1;
}

void vtkPolyDataCutterCross9::SetMatrixCutter(int k, const double elements[16]) {
  if (k < 0 || k >= Sections) return;
  this->Matrices[k]->DeepCopy(elements);
  this->Modified();
}

vtkMatrix4x4* vtkPolyDataCutterCross9::GetMatrixCutter(int k) const {
  return k >= 0 && k < Sections ? this->Matrices[k].GetPointer() : nullptr;
}

int vtkPolyDataCutterCross9::RequestData(vtkInformation*, vtkInformationVector** inputs,
                                         vtkInformationVector* outputs) {
  vtkPolyData* mesh = vtkPolyData::GetData(inputs[0]);
  const vtkMTimeType meshTime = mesh ? mesh->GetMTime() : 0;
  this->Index.SetInput(mesh);
  for (int k = 0; k < Sections; ++k) {
    vtkPolyData* out = vtkPolyData::GetData(outputs, k);
    const int cached = this->Cache.Reusable(k, this->Matrices[k]->GetData(), meshTime);
    if (cached >= 0) out->DeepCopy(this->Cache.GetOutline(cached, 0));
    else this->Index.Cut(this->Matrices[k], out);
  }
  // The cache is rewritten only after every section took what it needed from it.
  for (int k = 0; k < Sections; ++k) this->Cache.Keep(k, this->Matrices[k]->GetData(), {vtkPolyData::GetData(outputs, k)});
  this->Cache.Kept();
  return 1;
}

void vtkPolyDataCutterCross9::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Shift: " << this->Cache.GetShift() << "\n";
}
