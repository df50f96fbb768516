#include "toolkit/vtkGeomCross9.h"

#include <vtkActor2D.h>
#include <vtkCoordinate.h>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkMatrix4x4.h>
#include <vtkObjectFactory.h>
#include <vtkPolyData.h>

#include <algorithm>

#include "toolkit/QlmPlanarCut.h"

vtkStandardNewMacro(vtkGeomCross9);

vtkGeomCross9::vtkGeomCross9() : vtkGeomCutter(Sections) {
  for (Section& section : this->Sectioned) this->SetUpLabel(section.Label);
}

vtkGeomCross9::~vtkGeomCross9() = default;

void vtkGeomCross9::SetSectionMatrix(int k, const double elements[16]) {
  if (k < 0 || k >= Sections) return;
  this->Sectioned[k].Matrix->DeepCopy(elements);
  this->Modified();
}

vtkMatrix4x4* vtkGeomCross9::GetSectionMatrix(int k) const {
  return k >= 0 && k < Sections ? this->Sectioned[k].Matrix.GetPointer() : nullptr;
}

vtkActor2D* vtkGeomCross9::GetLabelActor(int k) const {
  return k >= 0 && k < Sections ? this->Sectioned[k].Label.GetPointer() : nullptr;
}

void vtkGeomCross9::SetLabelVisibility(int on) {
  this->LabelVisible = on;
  for (Section& section : this->Sectioned) section.Label->SetVisibility(on);
  this->Modified();
}

void vtkGeomCross9::GetPositionInSection(int k, float out[3]) {
  double position[4];
  this->GetPlacementPosition(position);
  ToPlane(this->Sectioned[Valid(k)].Matrix, position, out);
}

bool vtkGeomCross9::GetLabelAnchor(int k, double anchor[3]) {
  if (this->Sectioned[Valid(k)].Label->GetPositionCoordinate()->GetValue()[0] == ParkedX) return false;
  float centre[3];
  this->GetInputCenterInSection(k, centre);
  std::copy(centre, centre + 3, anchor);
  return true;
}

void vtkGeomCross9::GetInputCenterInSection(int k, float out[3]) {
  double centre[3] = {0.0, 0.0, 0.0};
  if (vtkPolyData* input = vtkPolyData::SafeDownCast(this->GetInputDataObject(0, 0))) input->GetCenter(centre);
  ToPlane(this->Sectioned[Valid(k)].Matrix, centre, out);
}

int vtkGeomCross9::RequestData(vtkInformation*, vtkInformationVector** inputs, vtkInformationVector* outputs) {
  vtkPolyData* input = vtkPolyData::GetData(inputs[0]);
  const vtkMTimeType inputTime = input ? input->GetMTime() : 0;
  for (int k = 0; k < Sections; ++k) {
    vtkPolyData* output = vtkPolyData::GetData(outputs, k);
    const int cached = this->Cache.Reusable(k, this->Sectioned[k].Matrix->GetData(), inputTime);
    if (cached >= 0) {
      output->DeepCopy(this->Cache.GetOutline(cached, 0));
    } else {
      QlmPlanarCut::Cut(input, this->Sectioned[k].Matrix, output);
    }
    this->PlaceLabel(this->Sectioned[k].Label, input, this->Sectioned[k].Matrix, output);
  }
  // The cache is rewritten only after every section took what it needed from it.
  for (int k = 0; k < Sections; ++k) {
    this->Cache.Keep(k, this->Sectioned[k].Matrix->GetData(), {vtkPolyData::GetData(outputs, k)});
  }
  this->Cache.Kept();
  return 1;
}

void vtkGeomCross9::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Shift: " << this->Cache.GetShift() << "\n";
}
