#include "objects/CQlmGeometries.h"

CQlmGeometries::~CQlmGeometries() {
  this->AxialCutList.DeleteList();
  this->CrossCutList.DeleteList();
  this->PanoramicCutList.DeleteList();
  this->Objects.RemoveAll();
}

void CQlmGeometries::SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator, float spacing) {
  this->SetImage(image, calculator, spacing);
}

void CQlmGeometries::BuildViewObjectsOfLast() {
  if (CQlmObject* object = this->Objects.GetLast()) this->BuildViewObjectsOf(object);
}

void CQlmGeometries::BuildViewObjects() {
  this->Objects.ForEach([this](CQlmObject* object) { this->BuildViewObjectsOf(object); });
}

void CQlmGeometries::BuildViewObjectsOf(CQlmObject* object) {
  const float* color = object->GetColor();
  CQlmGeometryCross9* cross = this->CrossCutList.AddTail();
  cross->SetObject(object);
  cross->SetWindow(this->WindowCross);
  cross->SetInput(this->Image, this->Calculator, this->Spacing);
  cross->SetColor(color[0], color[1], color[2]);
  cross->AddToRenderer();
  cross->SetVisibility(0);

  CQlmGeometryAxial* axial = this->AxialCutList.AddTail();
  axial->SetObject(object);
  axial->SetWindow(this->WindowAxial);
  axial->SetInput(this->Image);
  axial->SetColor(color[0], color[1], color[2]);
  axial->AddToRenderer();
  axial->SetVisibility(0);

  CQlmGeometryPanoramic* panoramic = this->PanoramicCutList.AddTail();
  panoramic->SetObject(object);
  panoramic->SetWindow(this->WindowPanoramic);
  panoramic->SetInput(this->Image, this->Calculator);
  panoramic->SetThick(this->Thick);
  panoramic->SetColor(color[0], color[1], color[2]);
  panoramic->AddToRenderer();
  panoramic->SetVisibility(0);
}

void CQlmGeometries::InvalidateCrossSections() {
  this->CrossCutList.ForEach([](CQlmGeometryCross9* cut) { cut->Invalidate(); });
}
