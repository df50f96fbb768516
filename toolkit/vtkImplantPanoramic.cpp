#include "toolkit/vtkImplantPanoramic.h"

#include <vtkActor2D.h>
#include <vtkCellArray.h>
#include <vtkCoordinate.h>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkMatrix4x4.h>
#include <vtkObjectFactory.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

#include <algorithm>

#include "toolkit/QlmPanoramicStrips.h"

vtkStandardNewMacro(vtkImplantPanoramic);

vtkImplantPanoramic::vtkImplantPanoramic() : vtkImplantCutter(2) { this->SetUpLabel(this->ActorLabel); }

vtkImplantPanoramic::~vtkImplantPanoramic() = default;

void vtkImplantPanoramic::SetPanoramicLine(vtkPolyData* curve) {
  this->PanoramicLine = curve;
  this->Modified();
}

void vtkImplantPanoramic::SetTranslation(double x, double y, double z) {
  this->Translation[0] = x;
  this->Translation[1] = y;
  this->Translation[2] = z;
  this->Modified();
}

void vtkImplantPanoramic::SetThick(int on) {
  if (this->Thick == on) return;
  this->Thick = on;
  this->Modified();
}

void vtkImplantPanoramic::SetLimitY(double height) {
  this->LimitY = height;
  this->Modified();
}

void vtkImplantPanoramic::MirrorY(double elements[16]) { QlmPanoramicStrips::FlipStripMatrix(elements); }

void vtkImplantPanoramic::SetVisibilityNumber(int on) {
  this->VisibilityNumber = on;
  this->ActorLabel->SetVisibility(on);
  this->Modified();
}

vtkMTimeType vtkImplantPanoramic::GetMTime() {
  vtkMTimeType time = this->Superclass::GetMTime();
  if (this->PanoramicLine) time = std::max(time, this->PanoramicLine->GetMTime());
  return time;
}

void vtkImplantPanoramic::AddAxis(const QlmPanoramicStrips& strips, int segment, vtkMatrix4x4* part, double from,
                                  double to, vtkPolyData* out) const {
  if (!part || out->GetNumberOfCells() == 0) return;
  vtkIdType ids[2];
  for (int end = 0; end < 2; ++end) {
    const double local[4] = {0.0, 0.0, end ? to : from, 1.0};
    double world[4], unrolled[3];
    part->MultiplyPoint(local, world);
    strips.ToUnrolled(segment, world, unrolled);
    ids[end] = out->GetPoints()->InsertNextPoint(unrolled);
  }
  // Without lines GetLines gives VTK's one empty array shared by every polydata: never insert there.
  if (out->GetNumberOfLines() == 0) out->SetLines(vtkNew<vtkCellArray>());
  out->GetLines()->InsertNextCell(2, ids);
}

int vtkImplantPanoramic::RequestData(vtkInformation*, vtkInformationVector** inputs, vtkInformationVector* outputs) {
  vtkPolyData* screw = this->GetVisibilityScrew() ? vtkPolyData::GetData(inputs[0]) : nullptr;
  vtkPolyData* connector = this->GetVisibilityConector() ? vtkPolyData::GetData(inputs[1]) : nullptr;
  vtkPolyData* screwOut = vtkPolyData::GetData(outputs, 0);
  vtkPolyData* connectorOut = vtkPolyData::GetData(outputs, 1);
  screwOut->Initialize();
  connectorOut->Initialize();
  const QlmPanoramicStrips strips(this->PanoramicLine, this->Translation);
  double platform[4] = {0.0, 0.0, 0.0, 1.0};
  if (vtkMatrix4x4* placement = this->GetMatrixScrew()) {
    const double origin[4] = {0.0, 0.0, 0.0, 1.0};
    placement->MultiplyPoint(origin, platform);
  }
  const int nearest = strips.NearestSegment(platform);
  if (nearest < 0) {
    this->CenterScrew[0] = this->CenterScrew[1] = ParkedX;
    if (this->VisibilityNumber) this->ActorLabel->GetPositionCoordinate()->SetValue(this->CenterScrew);
    return 1;
  }
  if (this->Thick) {
    strips.Project(nearest, screw, screwOut);
    strips.Project(nearest, connector, connectorOut);
  } else {
    strips.Cut(screw, this->LimitY, screwOut);
    strips.Cut(connector, this->LimitY, connectorOut);
    if (this->GetFill()) {
      FillOutline(screwOut);
      FillOutline(connectorOut);
    }
  }
  OutlineCentre(screwOut, this->CenterScrew);
  if (this->GetVisibilityScrewLine())
    this->AddAxis(strips, nearest, this->GetMatrixScrew(), -(this->GetScrewLenght() + 3.0), 15.0, screwOut);
  if (this->GetVisibilityConectorLine())
    this->AddAxis(strips, nearest, this->GetMatrixConector(), -3.0, 35.0, connectorOut);
  strips.ToUnrolled(nearest, platform, this->Fulcrum);
  if (this->VisibilityNumber) this->ActorLabel->GetPositionCoordinate()->SetValue(this->CenterScrew);
  return 1;
}

void vtkImplantPanoramic::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Thick: " << this->Thick << "\n" << indent << "LimitY: " << this->LimitY << "\n";
}
