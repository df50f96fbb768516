#include "toolkit/vtkImplantCross9.h"

#include <vtkActor2D.h>
#include <vtkCoordinate.h>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkMatrix4x4.h>
#include <vtkObjectFactory.h>
#include <vtkPolyData.h>

#include <algorithm>


vtkStandardNewMacro(vtkImplantCross9);

vtkImplantCross9::vtkImplantCross9() : vtkImplantCutter(2 * Sections) {
  for (Section& section : this->Sectioned) this->SetUpLabel(section.Label);
}

vtkImplantCross9::~vtkImplantCross9() = default;

void vtkImplantCross9::SetMatrixCutter(int k, const double elements[16]) {
  if (k < 0 || k >= Sections) return;
  this->Sectioned[k].Matrix->DeepCopy(elements);
  this->Modified();
}

vtkMatrix4x4* vtkImplantCross9::GetMatrixCutter(int k) const {
  return k >= 0 && k < Sections ? this->Sectioned[k].Matrix.GetPointer() : nullptr;
}

vtkActor2D* vtkImplantCross9::GetActorLabel(int k) const {
  return k >= 0 && k < Sections ? this->Sectioned[k].Label.GetPointer() : nullptr;
}

void vtkImplantCross9::SetVisibilityNumber(int on) {
  this->VisibilityNumber = on;
  for (Section& section : this->Sectioned) section.Label->SetVisibility(on);
  this->Modified();
}

int vtkImplantCross9::RequestData(vtkInformation*, vtkInformationVector** inputs, vtkInformationVector* outputs) {
  vtkPolyData* screw = vtkPolyData::GetData(inputs[0]);
  vtkPolyData* connector = vtkPolyData::GetData(inputs[1]);
  vtkMTimeType inputsTime = this->GetSettingsTime();
  for (vtkPolyData* mesh : {screw, connector}) {
    if (mesh) inputsTime = std::max(inputsTime, mesh->GetMTime());
  }
  for (int k = 0; k < Sections; ++k) {
    Section& section = this->Sectioned[k];
    vtkPolyData* screwOut = vtkPolyData::GetData(outputs, 2 * k);
    vtkPolyData* connectorOut = vtkPolyData::GetData(outputs, 2 * k + 1);
    const int cached = this->Cache.Reusable(k, section.Matrix->GetData(), inputsTime);
    if (cached >= 0) {
      screwOut->DeepCopy(this->Cache.GetOutline(cached, 0));
      connectorOut->DeepCopy(this->Cache.GetOutline(cached, 1));
      const double* kept = this->Sectioned[cached].KeptCenterScrew;
      std::copy(kept, kept + 3, section.CenterScrew);
    } else {
      this->CutImplant(screw, connector, section.Matrix, screwOut, connectorOut, section.CenterScrew);
    }
    this->PlatformInPlane(section.Matrix, section.Fulcrum);
    if (this->VisibilityNumber) section.Label->GetPositionCoordinate()->SetValue(section.CenterScrew);
  }
  // The cache is rewritten only after every section took what it needed from it.
  for (int k = 0; k < Sections; ++k) {
    Section& section = this->Sectioned[k];
    this->Cache.Keep(k, section.Matrix->GetData(),
                     {vtkPolyData::GetData(outputs, 2 * k), vtkPolyData::GetData(outputs, 2 * k + 1)});
    std::copy(section.CenterScrew, section.CenterScrew + 3, section.KeptCenterScrew);
  }
  this->Cache.Kept();
  return 1;
}

void vtkImplantCross9::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Shift: " << this->Cache.GetShift() << "\n" << indent << "VisibilityNumber: " << this->VisibilityNumber << "\n";
}
