#include "toolkit/vtkHUGridSource.h"

#include <vtkCellArray.h>
#include <vtkInformationVector.h>
#include <vtkObjectFactory.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

#include "toolkit/QlmDashedLine.h"
#include "toolkit/vtkRullerWindowHU.h"

vtkStandardNewMacro(vtkHUGridSource);

vtkHUGridSource::vtkHUGridSource() { this->SetNumberOfInputPorts(0); }

int vtkHUGridSource::RequestData(vtkInformation*, vtkInformationVector**, vtkInformationVector* outputVector) {
  vtkPolyData* output = vtkPolyData::GetData(outputVector, 0);
  const double left = -this->HorzSize / 2.0;
  const double right = this->HorzSize / 2.0;
  const double bottom = vtkRullerWindowHU::HeightOf(this->BoneMin);
  const double top = vtkRullerWindowHU::HeightOf(this->BoneMax);
  vtkNew<vtkPoints> points;
  vtkNew<vtkCellArray> lines;
  auto dashed = [&](double x1, double y1, double x2, double y2) {
    const double from[3] = {x1, y1, 0.0};
    const double to[3] = {x2, y2, 0.0};
    QlmDashedLine::Append(points, lines, from, to, this->DashLength, this->GapLength);
  };
  if (this->Bottom) dashed(left, bottom, right, bottom);
  if (this->Top) dashed(left, top, right, top);
  dashed(left, bottom, left, top);
  dashed(right, bottom, right, top);
  output->SetPoints(points);
  output->SetLines(lines);
  return 1;
}

void vtkHUGridSource::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "HorzSize: " << this->HorzSize << "\n"
     << indent << "BoneMin: " << this->BoneMin << "\n"
     << indent << "BoneMax: " << this->BoneMax << "\n"
     << indent << "Top: " << this->Top << "\n"
     << indent << "Bottom: " << this->Bottom << "\n"
     << indent << "DashLength: " << this->DashLength << "\n"
     << indent << "GapLength: " << this->GapLength << "\n";
}
