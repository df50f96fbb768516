#include "toolkit/vtkImplantCutter.h"

#include <vtkCellArray.h>
#include <vtkContourTriangulator.h>
#include <vtkInformation.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

#include <cstdio>

#include "toolkit/QlmPlanarCut.h"

namespace {
void ToPlane(vtkMatrix4x4* toPlane, vtkMatrix4x4* part, double z, double out[3]) {
  const double local[4] = {0.0, 0.0, z, 1.0};
  double world[4], inPlane[4];
  part->MultiplyPoint(local, world);
  toPlane->MultiplyPoint(world, inPlane);
  out[0] = inPlane[0];
  out[1] = inPlane[1];
  out[2] = 0.0;
}
}  // namespace

vtkImplantCutter::vtkImplantCutter(int outputPorts) {
  this->SetNumberOfInputPorts(2);
  this->SetNumberOfOutputPorts(outputPorts);
  this->UpdateLabelText();
  this->SettingsTime.Modified();
}

vtkImplantCutter::~vtkImplantCutter() = default;

int vtkImplantCutter::FillInputPortInformation(int, vtkInformation* info) {
  info->Set(vtkAlgorithm::INPUT_REQUIRED_DATA_TYPE(), "vtkPolyData");
  info->Set(vtkAlgorithm::INPUT_IS_OPTIONAL(), 1);
  return 1;
}

void vtkImplantCutter::ChangeSetting() {
  this->UpdateLabelText();
  this->SettingsTime.Modified();
  this->Modified();
}

void vtkImplantCutter::SetMatrixScrew(vtkMatrix4x4* matrix) {
  this->MatrixScrew = matrix;
  this->ChangeSetting();
}

void vtkImplantCutter::SetMatrixConector(vtkMatrix4x4* matrix) {
  this->MatrixConector = matrix;
  this->ChangeSetting();
}

#define QLM_IMPLANT_SETTING(Name, Type)              \
  void vtkImplantCutter::Set##Name(Type value) {      \
    if (this->Name == value) return;                 \
    this->Name = value;                              \
    this->ChangeSetting();                           \
  }
QLM_IMPLANT_SETTING(Diameter, float)
QLM_IMPLANT_SETTING(ScrewLenght, float)
QLM_IMPLANT_SETTING(ConectorLenght, float)
QLM_IMPLANT_SETTING(Fill, int)
QLM_IMPLANT_SETTING(VisibilityScrew, int)
QLM_IMPLANT_SETTING(VisibilityConector, int)
QLM_IMPLANT_SETTING(VisibilityScrewLine, int)
QLM_IMPLANT_SETTING(VisibilityConectorLine, int)
#undef QLM_IMPLANT_SETTING

void vtkImplantCutter::SetNumber(int number) {
  this->Label.SetNumber(number);
  this->UpdateLabelText();
}

void vtkImplantCutter::SetLabelMode(int mode) {
  this->Label.SetMode(mode);
  this->UpdateLabelText();
}

void vtkImplantCutter::SetFontSize(int size) {
  this->Label.SetFontSize(size);
  this->UpdateLabelText();
}

void vtkImplantCutter::UpdateLabelText() {
  char size[64];
  std::snprintf(size, sizeof size, "%.2f x %.1f", this->Diameter, this->ScrewLenght);
  this->Label.Update(size);
}

vtkMTimeType vtkImplantCutter::GetMTime() {
  vtkMTimeType time = this->Superclass::GetMTime();
  for (vtkMatrix4x4* matrix : {this->MatrixScrew.GetPointer(), this->MatrixConector.GetPointer()}) {
    if (matrix && matrix->GetMTime() > time) time = matrix->GetMTime();
  }
  return time;
}

void vtkImplantCutter::CutImplant(vtkPolyData* screw, vtkPolyData* connector, vtkMatrix4x4* plane,
                                  vtkPolyData* screwOut, vtkPolyData* connectorOut, double screwCentre[3]) const {
  QlmPlanarCut::Cut(this->VisibilityScrew ? screw : nullptr, plane, screwOut);
  QlmPlanarCut::Cut(this->VisibilityConector ? connector : nullptr, plane, connectorOut);
  if (this->Fill) {
    FillOutline(screwOut);
    FillOutline(connectorOut);
  }
  OutlineCentre(screwOut, screwCentre);
  if (this->VisibilityScrewLine && screwOut->GetNumberOfCells() > 0)
    this->AddAxisLine(this->MatrixScrew, -(this->ScrewLenght + 3.0), 15.0, plane, screwOut);
  if (this->VisibilityConectorLine && connectorOut->GetNumberOfCells() > 0)
    this->AddAxisLine(this->MatrixConector, -3.0, 35.0, plane, connectorOut);
}

void vtkImplantCutter::AddAxisLine(vtkMatrix4x4* part, double from, double to, vtkMatrix4x4* plane,
                                   vtkPolyData* outline) const {
  if (!part) return;
  vtkNew<vtkMatrix4x4> toPlane;
  vtkMatrix4x4::Invert(plane, toPlane);
  double start[3], end[3];
  ToPlane(toPlane, part, from, start);
  ToPlane(toPlane, part, to, end);
  vtkPoints* points = outline->GetPoints();
  const vtkIdType ids[2] = {points->InsertNextPoint(start), points->InsertNextPoint(end)};
  // Without lines GetLines gives VTK's one empty array shared by every polydata: never insert there.
  if (outline->GetNumberOfLines() == 0) outline->SetLines(vtkNew<vtkCellArray>());
  outline->GetLines()->InsertNextCell(2, ids);
}

void vtkImplantCutter::FillOutline(vtkPolyData* outline) {
  vtkCellArray* lines = outline->GetLines();
  if (!lines || lines->GetNumberOfCells() == 0) return;
  vtkNew<vtkCellArray> polys;
  const double normal[3] = {0.0, 0.0, 1.0};
  vtkContourTriangulator::TriangulateContours(outline, 0, lines->GetNumberOfCells(), polys, normal);
  if (polys->GetNumberOfCells() > 0) outline->SetPolys(polys);
}

void vtkImplantCutter::OutlineCentre(vtkPolyData* screwOut, double centre[3]) {
  if (screwOut->GetNumberOfCells() == 0) {
    centre[0] = centre[1] = ParkedX;
    centre[2] = 0.0;
    return;
  }
  double bounds[6];
  screwOut->GetBounds(bounds);
  centre[0] = (bounds[0] + bounds[1]) / 2;
  centre[1] = (bounds[2] + bounds[3]) / 2;
  centre[2] = 0.0;
}

void vtkImplantCutter::PlatformInPlane(vtkMatrix4x4* plane, double point[3]) const {
  vtkNew<vtkMatrix4x4> toPlane;
  vtkMatrix4x4::Invert(plane, toPlane);
  vtkNew<vtkMatrix4x4> identity;
  ToPlane(toPlane, this->MatrixScrew ? this->MatrixScrew.GetPointer() : identity.GetPointer(), 0.0, point);
}

void vtkImplantCutter::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Diameter: " << this->Diameter << "\n"
     << indent << "ScrewLenght: " << this->ScrewLenght << "\n"
     << indent << "ConectorLenght: " << this->ConectorLenght << "\n"
     << indent << "Fill: " << this->Fill << "\n"
     << indent << "Number: " << this->Label.GetNumber() << "\n"
     << indent << "LabelMode: " << this->Label.GetMode() << "\n"
     << indent << "FontSize: " << this->Label.GetFontSize() << "\n";
}
