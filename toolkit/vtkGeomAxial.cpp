#include "toolkit/vtkGeomAxial.h"

#include <vtkActor2D.h>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkObjectFactory.h>
#include <vtkPolyData.h>
#include <vtkTransform.h>

#include <algorithm>

#include "toolkit/QlmPlanarCut.h"

vtkStandardNewMacro(vtkGeomAxial);

vtkGeomAxial::vtkGeomAxial() : vtkGeomCutter(1) { this->SetUpLabel(this->LabelActor); }

vtkGeomAxial::~vtkGeomAxial() = default;

void vtkGeomAxial::SetLabelVisibility(int on) {
  this->LabelVisible = on;
  this->LabelActor->SetVisibility(on);
  this->Modified();
}

void vtkGeomAxial::GetPositionInView(float out[3]) {
  double position[4];
  this->GetPlacementPosition(position);
  ToPlane(this->Transform->GetMatrix(), position, out);
}

void vtkGeomAxial::GetInputCenterInView(float out[3]) {
  double centre[3] = {0.0, 0.0, 0.0};
  if (vtkPolyData* input = vtkPolyData::SafeDownCast(this->GetInputDataObject(0, 0))) input->GetCenter(centre);
  ToPlane(this->Transform->GetMatrix(), centre, out);
}

bool vtkGeomAxial::GetLabelAnchor(int, double anchor[3]) {
  this->Update();
  if (this->GetOutput()->GetNumberOfLines() == 0) return false;
  float centre[3];
  this->GetInputCenterInView(centre);
  std::copy(centre, centre + 3, anchor);
  return true;
}

vtkMTimeType vtkGeomAxial::GetMTime() {
  return std::max(this->Superclass::GetMTime(), this->Transform->GetMTime());
}

int vtkGeomAxial::RequestData(vtkInformation*, vtkInformationVector** inputs, vtkInformationVector* outputs) {
  vtkPolyData* input = vtkPolyData::GetData(inputs[0]);
  vtkPolyData* output = vtkPolyData::GetData(outputs);
  vtkMatrix4x4* plane = this->Transform->GetMatrix();
  QlmPlanarCut::Cut(input, plane, output);
  this->PlaceLabel(this->LabelActor, input, plane, output);
  return 1;
}

void vtkGeomAxial::PrintSelf(ostream& os, vtkIndent indent) { this->Superclass::PrintSelf(os, indent); }
