#include "toolkit/vtkRingSource.h"

#include <vtkCellArray.h>
#include <vtkInformationVector.h>
#include <vtkMath.h>
#include <vtkNew.h>
#include <vtkObjectFactory.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

#include <cmath>

vtkStandardNewMacro(vtkRingSource);

vtkRingSource::vtkRingSource() { this->SetNumberOfInputPorts(0); }

vtkRingSource::~vtkRingSource() = default;

int vtkRingSource::RequestData(vtkInformation*, vtkInformationVector**, vtkInformationVector* outputs) {
  vtkPolyData* out = vtkPolyData::GetData(outputs);
  out->Initialize();
  const bool hollow = this->RadiusNearIn < this->RadiusNearOut && this->RadiusFarIn < this->RadiusFarOut &&
                      this->RadiusNearIn >= 0.0 && this->RadiusFarIn >= 0.0;
  if (!(this->FarDist > this->NearDist) || !hollow) return 1;
  // Four circles: near outer, far outer, far inner, near inner; point c * n + i.
  const int n = this->Resolution;
  const double radii[4] = {this->RadiusNearOut, this->RadiusFarOut, this->RadiusFarIn, this->RadiusNearIn};
  const double heights[4] = {this->NearDist, this->FarDist, this->FarDist, this->NearDist};
  vtkNew<vtkPoints> points;
  points->SetDataTypeToDouble();
  for (int circle = 0; circle < 4; ++circle) {
    for (int i = 0; i < n; ++i) {
      const double angle = 2.0 * vtkMath::Pi() * i / n;
      points->InsertNextPoint(radii[circle] * std::cos(angle), radii[circle] * std::sin(angle), heights[circle]);
    }
  }
  // Each band joins circle c to circle c + 1 (the last band the near inner to
  // the near outer), two triangles per side, wound outwards.
  vtkNew<vtkCellArray> triangles;
  for (int band = 0; band < 4; ++band) {
    const int a = band * n, b = ((band + 1) % 4) * n;
    for (int i = 0; i < n; ++i) {
      const int j = (i + 1) % n;
      const vtkIdType first[3] = {a + i, a + j, b + j};
      const vtkIdType second[3] = {a + i, b + j, b + i};
      triangles->InsertNextCell(3, first);
      triangles->InsertNextCell(3, second);
    }
  }
  out->SetPoints(points);
  out->SetPolys(triangles);
  return 1;
}

void vtkRingSource::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Resolution: " << this->Resolution << "\n"
     << indent << "Radii near out, far out, near in, far in: " << this->RadiusNearOut << " " << this->RadiusFarOut
     << " " << this->RadiusNearIn << " " << this->RadiusFarIn << "\n"
     << indent << "NearDist: " << this->NearDist << "\n"
     << indent << "FarDist: " << this->FarDist << "\n";
}
