#include "toolkit/vtkImplantAxial.h"

#include <vtkActor2D.h>
#include <vtkCoordinate.h>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkObjectFactory.h>
#include <vtkPolyData.h>
#include <vtkTransform.h>

vtkStandardNewMacro(vtkImplantAxial);

vtkImplantAxial::vtkImplantAxial() : vtkImplantCutter(2) { this->SetUpLabel(this->ActorLabel); }

vtkImplantAxial::~vtkImplantAxial() = default;

void vtkImplantAxial::SetVisibilityNumber(int on) {
  this->VisibilityNumber = on;
  this->ActorLabel->SetVisibility(on);
  this->Modified();
}

vtkMTimeType vtkImplantAxial::GetMTime() {
  return std::max(this->Superclass::GetMTime(), this->TransformCutter->GetMTime());
}

int vtkImplantAxial::RequestData(vtkInformation*, vtkInformationVector** inputs, vtkInformationVector* outputs) {
  vtkPolyData* screw = vtkPolyData::GetData(inputs[0]);
  vtkPolyData* connector = vtkPolyData::GetData(inputs[1]);
  vtkPolyData* screwOut = vtkPolyData::GetData(outputs, 0);
  vtkPolyData* connectorOut = vtkPolyData::GetData(outputs, 1);
  vtkMatrix4x4* plane = this->TransformCutter->GetMatrix();
  this->CutImplant(screw, connector, plane, screwOut, connectorOut, this->CenterScrew);
  this->PlatformInPlane(plane, this->Fulcrum);
  if (this->VisibilityNumber) this->ActorLabel->GetPositionCoordinate()->SetValue(this->CenterScrew);
  return 1;
}

void vtkImplantAxial::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "VisibilityNumber: " << this->VisibilityNumber << "\n";
}
