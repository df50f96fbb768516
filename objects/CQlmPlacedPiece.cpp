#include "objects/CQlmPlacedPiece.h"

#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkCoordinate.h>
#include <vtkMatrix4x4.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkTransform.h>
#include <vtkTransformPolyDataFilter.h>

#include <algorithm>

#include "toolkit/vtkWin32TextMapper2.h"

void CQlmPlacedPiece::Build(vtkPolyData* mesh, vtkTransform* placement, int fontSize) {
  this->TransformFilter = vtkSmartPointer<vtkTransformPolyDataFilter>::New();
  this->TransformFilter->SetInputData(mesh);
  this->TransformFilter->SetTransform(placement);
  this->Mapper = vtkSmartPointer<vtkPolyDataMapper>::New();
  this->Mapper->SetInputConnection(this->TransformFilter->GetOutputPort());
  this->Actor = vtkSmartPointer<vtkActor>::New();
  this->Actor->SetMapper(this->Mapper);
  this->LabelMapper = vtkSmartPointer<vtkWin32TextMapper2>::New();
  this->LabelMapper->SetFontSize(fontSize);
  this->LabelMapper->SetJustification(0);
  this->LabelMapper->SetVerticalJustification(1);
  this->LabelActor = vtkSmartPointer<vtkActor2D>::New();
  this->LabelActor->GetPositionCoordinate()->SetCoordinateSystemToWorld();
  this->LabelActor->SetMapper(this->LabelMapper);
}

void CQlmPlacedPiece::Clear() { *this = CQlmPlacedPiece(); }

void CQlmPlacedPiece::SetColor(const float rgb[3], int selected) {
  std::copy(rgb, rgb + 3, this->Color);
  std::fill_n(this->SelectedColor, 3, 1.0f);
  this->ApplyColor(selected);
}

void CQlmPlacedPiece::ApplyColor(int selected) const {
  if (!this->Actor) return;
  const float* color = selected ? this->SelectedColor : this->Color;
  this->Actor->GetProperty()->SetColor(color[0], color[1], color[2]);
}

void CQlmPlacedPiece::PlaceLabel(vtkMatrix4x4* placement) const {
  auto* mesh = this->TransformFilter ? vtkPolyData::SafeDownCast(this->TransformFilter->GetInput()) : nullptr;
  if (!mesh || !this->LabelActor) return;
  double centre[4] = {0.0, 0.0, 0.0, 1.0};
  mesh->GetCenter(centre);
  double placed[4];
  placement->MultiplyPoint(centre, placed);
  this->LabelActor->GetPositionCoordinate()->SetValue(placed[0], placed[1], placed[2]);
}
