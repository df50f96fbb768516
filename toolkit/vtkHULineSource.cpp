#include "toolkit/vtkHULineSource.h"

#include <vtkCellArray.h>
#include <vtkInformationVector.h>
#include <vtkMath.h>
#include <vtkObjectFactory.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

#include "toolkit/QlmDashedLine.h"

vtkStandardNewMacro(vtkHULineSource);

vtkHULineSource::vtkHULineSource() { this->SetNumberOfInputPorts(0); }

float vtkHULineSource::GetSize() const {
  const double line[3] = {this->Point2[0] - this->Point1[0], this->Point2[1] - this->Point1[1],
                          this->Point2[2] - this->Point1[2]};
  return static_cast<float>(vtkMath::Norm(line));
}

int vtkHULineSource::RequestData(vtkInformation*, vtkInformationVector**, vtkInformationVector* outputVector) {
  vtkPolyData* output = vtkPolyData::GetData(outputVector, 0);
  const double from[3] = {this->Point1[0], this->Point1[1], this->Point1[2]};
  const double to[3] = {this->Point2[0], this->Point2[1], this->Point2[2]};
  vtkNew<vtkPoints> points;
  vtkNew<vtkCellArray> lines;
  QlmDashedLine::Append(points, lines, from, to, this->DashLength, this->GapLength);
  output->SetPoints(points);
  output->SetLines(lines);
  return 1;
}

void vtkHULineSource::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Point1: " << this->Point1[0] << ", " << this->Point1[1] << ", " << this->Point1[2] << "\n"
     << indent << "Point2: " << this->Point2[0] << ", " << this->Point2[1] << ", " << this->Point2[2] << "\n"
     << indent << "DashLength: " << this->DashLength << "\n"
     << indent << "GapLength: " << this->GapLength << "\n";
}
