#include "toolkit/vtkPolyDataCutterPanoramic.h"

#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkObjectFactory.h>
#include <vtkPolyData.h>

#include <algorithm>

#include "toolkit/QlmPanoramicStrips.h"

vtkStandardNewMacro(vtkPolyDataCutterPanoramic);

vtkPolyDataCutterPanoramic::vtkPolyDataCutterPanoramic() = default;

vtkPolyDataCutterPanoramic::~vtkPolyDataCutterPanoramic() = default;

int vtkPolyDataCutterPanoramic::FillInputPortInformation(int, vtkInformation* info) {
  info->Set(vtkAlgorithm::INPUT_REQUIRED_DATA_TYPE(), "vtkPolyData");
  info->Set(vtkAlgorithm::INPUT_IS_OPTIONAL(), 1);
  return 1;
}

void vtkPolyDataCutterPanoramic::SetPanoramicLine(vtkPolyData* curve) {
  this->PanoramicLine = curve;
  this->Modified();
}

void vtkPolyDataCutterPanoramic::SetTranslation(double x, double y, double z) {
  this->Translation[0] = x;
  this->Translation[1] = y;
  this->Translation[2] = z;
  this->Modified();
}

void vtkPolyDataCutterPanoramic::SetThick(int on) {
  if (this->Thick == on) return;
  this->Thick = on;
  this->Modified();
}

void vtkPolyDataCutterPanoramic::SetLimitY(double height) {
  this->LimitY = height;
  this->Modified();
}

vtkMTimeType vtkPolyDataCutterPanoramic::GetMTime() {
  vtkMTimeType time = this->Superclass::GetMTime();
  if (this->PanoramicLine) time = std::max(time, this->PanoramicLine->GetMTime());
  return time;
}

void vtkPolyDataCutterPanoramic::GetProjectionCentre(vtkPolyData* mesh, double centre[3]) {
  double bounds[6];
  mesh->GetBounds(bounds);
  for (int i = 0; i < 3; ++i) centre[i] = (bounds[2 * i] + bounds[2 * i + 1]) / 2;
}

int vtkPolyDataCutterPanoramic::RequestData(vtkInformation*, vtkInformationVector** inputs,
                                            vtkInformationVector* outputs) {
  vtkPolyData* mesh = vtkPolyData::GetData(inputs[0]);
  vtkPolyData* out = vtkPolyData::GetData(outputs);
  out->Initialize();
  if (!mesh || mesh->GetNumberOfPoints() == 0) return 1;
  const QlmPanoramicStrips strips(this->PanoramicLine, this->Translation);
  if (!this->Thick) {
    this->Index.SetInput(mesh);
    strips.Cut(mesh, this->LimitY, out, &this->Index);
    return 1;
  }
  double centre[3];
  this->GetProjectionCentre(mesh, centre);
  const int nearest = strips.NearestSegment(centre);
  if (nearest >= 0) strips.Project(nearest, mesh, out);
  return 1;
}

void vtkPolyDataCutterPanoramic::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Translation: " << this->Translation[0] << " " << this->Translation[1] << " "
     << this->Translation[2] << "\n"
     << indent << "Thick: " << this->Thick << "\n"
     << indent << "LimitY: " << this->LimitY << "\n";
}
