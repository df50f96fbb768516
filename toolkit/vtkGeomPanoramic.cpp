#include "toolkit/vtkGeomPanoramic.h"

#include <vtkActor2D.h>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkObjectFactory.h>
#include <vtkPolyData.h>

#include <algorithm>

#include "toolkit/QlmPanoramicStrips.h"

vtkStandardNewMacro(vtkGeomPanoramic);

vtkGeomPanoramic::vtkGeomPanoramic() : vtkGeomCutter(1) { this->SetUpLabel(this->LabelActor); }

vtkGeomPanoramic::~vtkGeomPanoramic() = default;

void vtkGeomPanoramic::SetCurve(vtkPolyData* curve) {
  this->Curve = curve;
  this->Modified();
}

void vtkGeomPanoramic::SetCurveOffset(double x, double y, double z) {
  this->CurveOffset[0] = x;
  this->CurveOffset[1] = y;
  this->CurveOffset[2] = z;
  this->Modified();
}

void vtkGeomPanoramic::SetHeight(double height) {
  this->Height = height;
  this->Modified();
}

void vtkGeomPanoramic::SetPanoramicThick(int on) {
  if (this->PanoramicThick == on) return;
  this->PanoramicThick = on;
  this->Modified();
}

void vtkGeomPanoramic::FlipStripMatrix(double elements[16]) { QlmPanoramicStrips::FlipStripMatrix(elements); }

void vtkGeomPanoramic::SetLabelVisibility(int on) {
  this->LabelVisible = on;
  this->LabelActor->SetVisibility(on);
  this->Modified();
}

bool vtkGeomPanoramic::GetLabelAnchor(int, double anchor[3]) {
  this->Update();
  if (this->GetOutput()->GetNumberOfPoints() == 0) return false;
  std::copy(this->LabelPosition, this->LabelPosition + 3, anchor);
  return true;
}

vtkMTimeType vtkGeomPanoramic::GetMTime() {
  vtkMTimeType time = this->Superclass::GetMTime();
  if (this->Curve) time = std::max(time, this->Curve->GetMTime());
  return time;
}

int vtkGeomPanoramic::RequestData(vtkInformation*, vtkInformationVector** inputs, vtkInformationVector* outputs) {
  vtkPolyData* input = vtkPolyData::GetData(inputs[0]);
  vtkPolyData* output = vtkPolyData::GetData(outputs);
  output->Initialize();
  const QlmPanoramicStrips strips(this->Curve, this->CurveOffset);
  double position[4];
  this->GetPlacementPosition(position);
  const int nearest = strips.NearestSegment(position);
  if (nearest < 0) {
    this->PlaceLabelAt(this->LabelActor, this->LabelPosition, false);
    return 1;
  }
  if (this->PanoramicThick) {
    strips.Project(nearest, input, output);
  } else {
    strips.Cut(input, this->Height, output);
  }
  double centre[3] = {0.0, 0.0, 0.0};
  if (input) input->GetCenter(centre);
  strips.ToUnrolled(nearest, centre, this->LabelPosition);
  strips.ToUnrolled(nearest, position, this->ObjectPosition);
  this->PlaceLabelAt(this->LabelActor, this->LabelPosition, output->GetNumberOfCells() > 0);
  return 1;
}

void vtkGeomPanoramic::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Height: " << this->Height << "\n" << indent << "PanoramicThick: " << this->PanoramicThick << "\n";
}
