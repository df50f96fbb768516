#include "toolkit/vtkRullerSource.h"

#include <vtkActor2D.h>
#include <vtkCellArray.h>
#include <vtkCoordinate.h>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkMath.h>
#include <vtkObjectFactory.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

#include <cmath>

#include "platform/QlmNumberFormat.h"
#include "toolkit/vtkWin32TextMapper2.h"

vtkStandardNewMacro(vtkRullerSource);

namespace {

void SetSegment(vtkPolyData* output, const double a[3], const double b[3]) {
  vtkNew<vtkPoints> points;
  points->InsertNextPoint(a);
  points->InsertNextPoint(b);
  vtkNew<vtkCellArray> lines;
  const vtkIdType ids[2] = {0, 1};
  lines->InsertNextCell(2, ids);
  output->SetPoints(points);
  output->SetLines(lines);
}

// A tick of `size` across the line through `centre`.
void SetTick(vtkPolyData* output, const float centre[3], const double across[3], double size) {
  double a[3], b[3];
  for (int i = 0; i < 3; ++i) {
    a[i] = centre[i] - across[i] * size / 2;
    b[i] = centre[i] + across[i] * size / 2;
  }
  SetSegment(output, a, b);
}

}  // namespace

vtkRullerSource::vtkRullerSource() {
  this->SetNumberOfInputPorts(0);
  this->SetNumberOfOutputPorts(3);
  this->TextMapper->SetFontSize(10);
  this->TextMapper->SetJustification(0);
  this->TextMapper->SetVerticalJustification(0);
  this->LabelActor->SetMapper(this->TextMapper);
  this->LabelActor->GetPositionCoordinate()->SetCoordinateSystemToWorld();
  this->CalcSize();
}

vtkRullerSource::~vtkRullerSource() = default;

void vtkRullerSource::CalcSize() {
  double line[3];
  for (int i = 0; i < 3; ++i) line[i] = this->Point2[i] - this->Point1[i];
  this->Size = static_cast<float>(vtkMath::Norm(line));
  this->TextMapper->SetInput(QlmNumberFormat::Format("%.2f mm", this->Size).c_str());
  // Beside the middle of the line, a little off it so that the line stays visible.
  double across[3];
  this->TickDirection(across);
  double middle[3];
  for (int i = 0; i < 3; ++i) middle[i] = (this->Point1[i] + this->Point2[i]) / 2 + across[i] * this->TipSize;
  this->LabelActor->GetPositionCoordinate()->SetValue(middle);
}

void vtkRullerSource::TickDirection(double across[3]) const {
  double line[3];
  for (int i = 0; i < 3; ++i) line[i] = this->Point2[i] - this->Point1[i];
  if (vtkMath::Normalize(line) == 0.0) {
    across[0] = 0.0;
    across[1] = 1.0;
    across[2] = 0.0;
    return;
  }
  double axis[3] = {0.0, 0.0, 1.0};
  if (!this->Is3d) {
    // In the view plane.
    vtkMath::Cross(axis, line, across);
  } else {
    int least = 0;
    for (int i = 1; i < 3; ++i) {
      if (std::fabs(line[i]) < std::fabs(line[least])) least = i;
    }
    axis[2] = 0.0;
    axis[least] = 1.0;
    // The part of the axis across the line.
    double normal[3];
    vtkMath::Cross(line, axis, normal);
    vtkMath::Cross(normal, line, across);
  }
  vtkMath::Normalize(across);
}

int vtkRullerSource::RequestData(vtkInformation*, vtkInformationVector**, vtkInformationVector* outputVector) {
  vtkPolyData* line = vtkPolyData::GetData(outputVector, 0);
  vtkPolyData* tip1 = vtkPolyData::GetData(outputVector, 1);
  vtkPolyData* tip2 = vtkPolyData::GetData(outputVector, 2);
  this->CalcSize();
  const double a[3] = {this->Point1[0], this->Point1[1], this->Point1[2]};
  const double b[3] = {this->Point2[0], this->Point2[1], this->Point2[2]};
  SetSegment(line, a, b);
  double across[3];
  this->TickDirection(across);
  SetTick(tip1, this->Point1, across, this->TipSize);
  SetTick(tip2, this->Point2, across, this->TipSize);
  return 1;
}

void vtkRullerSource::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Point1: " << this->Point1[0] << ", " << this->Point1[1] << ", " << this->Point1[2] << "\n"
     << indent << "Point2: " << this->Point2[0] << ", " << this->Point2[1] << ", " << this->Point2[2] << "\n"
     << indent << "Is3d: " << this->Is3d << "\n"
     << indent << "TipSize: " << this->TipSize << "\n"
     << indent << "Size: " << this->Size << "\n";
}
