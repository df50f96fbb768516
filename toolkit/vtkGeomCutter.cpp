#include "toolkit/vtkGeomCutter.h"

#include <vtkActor2D.h>
#include <vtkCoordinate.h>
#include <vtkInformation.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkPolyData.h>


vtkGeomCutter::vtkGeomCutter(int outputPorts) {
  this->SetNumberOfInputPorts(1);
  this->SetNumberOfOutputPorts(outputPorts);
}

vtkGeomCutter::~vtkGeomCutter() = default;

int vtkGeomCutter::FillInputPortInformation(int, vtkInformation* info) {
  info->Set(vtkAlgorithm::INPUT_REQUIRED_DATA_TYPE(), "vtkPolyData");
  info->Set(vtkAlgorithm::INPUT_IS_OPTIONAL(), 1);
  return 1;
}

void vtkGeomCutter::SetLabelNumber(int number) {
  this->Label.SetNumber(number);
  this->Label.Update(this->Name);
}

void vtkGeomCutter::SetLabelMode(int mode) {
  this->Label.SetMode(mode);
  this->Label.Update(this->Name);
}

void vtkGeomCutter::SetFontSize(int size) {
  this->Label.SetFontSize(size);
  this->Label.Update(this->Name);
}

void vtkGeomCutter::SetLabelPart(int part) {
  this->Label.SetPart(part);
  this->Label.Update(this->Name);
}

void vtkGeomCutter::GetPlacementPosition(double world[4]) const {
  world[0] = world[1] = world[2] = 0.0;
  world[3] = 1.0;
  if (this->ObjectMatrix) {
    for (int row = 0; row < 3; ++row) world[row] = this->ObjectMatrix->GetElement(row, 3);
  }
}

void vtkGeomCutter::ToPlane(vtkMatrix4x4* plane, const double world[3], float out[3]) {
  vtkNew<vtkMatrix4x4> toPlane;
  vtkMatrix4x4::Invert(plane, toPlane);
  const double point[4] = {world[0], world[1], world[2], 1.0};
  double local[4];
  toPlane->MultiplyPoint(point, local);
  out[0] = float(local[0]);
  out[1] = float(local[1]);
  out[2] = 0.0f;
}

void vtkGeomCutter::PlaceLabel(vtkActor2D* label, vtkPolyData* input, vtkMatrix4x4* plane, vtkPolyData* cut) const {
  if (!this->LabelVisible) return;
  double centre[3] = {0.0, 0.0, 0.0};
  if (input) input->GetCenter(centre);
  float inPlane[3];
  ToPlane(plane, centre, inPlane);
  const double position[3] = {inPlane[0], inPlane[1], 0.0};
  this->PlaceLabelAt(label, position, cut->GetNumberOfLines() > 0);
}

void vtkGeomCutter::PlaceLabelAt(vtkActor2D* label, const double position[3], bool shown) const {
  if (!this->LabelVisible) return;
  if (shown) {
    label->GetPositionCoordinate()->SetValue(position[0], position[1], position[2]);
  } else {
    label->GetPositionCoordinate()->SetValue(ParkedX, ParkedX, 0.0);
  }
}

void vtkGeomCutter::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Name: " << this->Name << "\n"
     << indent << "LabelVisible: " << this->LabelVisible << "\n"
     << indent << "LabelNumber: " << this->Label.GetNumber() << "\n"
     << indent << "LabelMode: " << this->Label.GetMode() << "\n"
     << indent << "FontSize: " << this->Label.GetFontSize() << "\n"
     << indent << "PartIndex: " << this->Label.GetPart() << "\n";
}
