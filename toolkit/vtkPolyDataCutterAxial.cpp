#include "toolkit/vtkPolyDataCutterAxial.h"

#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkObjectFactory.h>
#include <vtkPolyData.h>
#include <vtkTransform.h>

#include <algorithm>


vtkStandardNewMacro(vtkPolyDataCutterAxial);

vtkPolyDataCutterAxial::vtkPolyDataCutterAxial() = default;

vtkPolyDataCutterAxial::~vtkPolyDataCutterAxial() = default;

int vtkPolyDataCutterAxial::FillInputPortInformation(int, vtkInformation* info) {
  info->Set(vtkAlgorithm::INPUT_REQUIRED_DATA_TYPE(), "vtkPolyData");
  info->Set(vtkAlgorithm::INPUT_IS_OPTIONAL(), 1);
  return 1;
}

vtkMTimeType vtkPolyDataCutterAxial::GetMTime() {
  return std::max(this->Superclass::GetMTime(), this->TransformCutter->GetMTime());
}

int vtkPolyDataCutterAxial::RequestData(vtkInformation*, vtkInformationVector** inputs,
                                        vtkInformationVector* outputs) {
  this->Index.SetInput(vtkPolyData::GetData(inputs[0]));
  this->Index.Cut(this->TransformCutter->GetMatrix(), vtkPolyData::GetData(outputs));
  return 1;
}

void vtkPolyDataCutterAxial::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "TransformCutter: " << this->TransformCutter.GetPointer() << "\n";
}
