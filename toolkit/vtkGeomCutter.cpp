#include "toolkit/vtkGeomCutter.h"

#include <vtkActor2D.h>
#include <vtkCoordinate.h>
#include <vtkInformation.h>
#include <vtkMatrix4x4.h>
#include <vtkPolyData.h>

#include <cstdio>

#include "toolkit/vtkWin32TextMapper2.h"

vtkGeomCutter::vtkGeomCutter(int outputPorts) {
  this->SetNumberOfInputPorts(1);
  this->SetNumberOfOutputPorts(outputPorts);
  this->TextMapper->SetFontSize(12);
  this->TextMapper->SetJustification(0);
  this->TextMapper->SetVerticalJustification(1);
  this->TextMapper->SetShadow(1);
  this->TextMapper->SetBold(1);
  this->TextMapper->SetColor(1.0, 1.0, 0.7);
  this->UpdateLabelText();
}

vtkGeomCutter::~vtkGeomCutter() = default;

int vtkGeomCutter::FillInputPortInformation(int, vtkInformation* info) {
  info->Set(vtkAlgorithm::INPUT_REQUIRED_DATA_TYPE(), "vtkPolyData");
  info->Set(vtkAlgorithm::INPUT_IS_OPTIONAL(), 1);
  return 1;
}

void vtkGeomCutter::SetLabelNumber(int number) {
  this->LabelNumber = number;
  this->UpdateLabelText();
}

void vtkGeomCutter::SetLabelMode(int mode) {
  this->LabelMode = mode;
  this->UpdateLabelText();
}

void vtkGeomCutter::SetFontSize(int size) {
  this->FontSize = size;
  this->UpdateLabelText();
}

void vtkGeomCutter::UpdateLabelText() {
  if (this->LabelMode == 0) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", this->LabelNumber);
    this->TextMapper->SetFontSize(this->FontSize + 4);
    this->TextMapper->SetInput(text);
  } else if (this->LabelMode == 1) {
    this->TextMapper->SetFontSize(this->FontSize);
    this->TextMapper->SetInput(this->Name.c_str());
  } else {
    this->TextMapper->SetInput("");
  }
}

void vtkGeomCutter::SetUpLabel(vtkActor2D* label) const {
  label->SetMapper(this->TextMapper);
  label->GetPositionCoordinate()->SetCoordinateSystemToWorld();
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
     << indent << "LabelNumber: " << this->LabelNumber << "\n"
     << indent << "LabelMode: " << this->LabelMode << "\n"
     << indent << "FontSize: " << this->FontSize << "\n";
}
