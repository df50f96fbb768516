#include "objects/CQlmGeometries.h"

#include "objects/QlmReformatFollower.h"

CQlmGeometries::~CQlmGeometries() {
  this->AxialCuts.DeleteList();
  this->CrossCuts.DeleteList();
  this->PanoramicCuts.DeleteList();
  this->Objects.RemoveAll();
}

void CQlmGeometries::SetWindows(CQlmLayeredWindow* window3D, CQlmLayeredWindow* axial, CQlmLayeredWindow9* cross,
                                CQlmLayeredWindow* panoramic) {
  this->Window3D = window3D;
  this->WindowAxial = axial;
  this->WindowCross = cross;
  this->WindowPanoramic = panoramic;
}

void CQlmGeometries::SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator, float spacing) {
  this->Image = image;
  this->Calculator = calculator;
  this->SectionSpacing = spacing;
}

void CQlmGeometries::BuildViewObjectsOfLast() {
  if (CQlmObject* object = this->Objects.GetLast()) this->BuildViewObjectsOf(object);
}

void CQlmGeometries::BuildViewObjects() {
  this->Objects.ForEach([this](CQlmObject* object) { this->BuildViewObjectsOf(object); });
}

void CQlmGeometries::BuildViewObjectsOf(CQlmObject* object) {
  const float* color = object->GetColor();
  CQlmGeometryCross9* cross = this->CrossCuts.AddTail();
  cross->SetObject(object);
  cross->SetWindow(this->WindowCross);
  cross->SetInput(this->Image, this->Calculator, this->SectionSpacing);
  cross->SetColor(color[0], color[1], color[2]);
  cross->AddToRenderer();
  cross->SetVisibility(0);

  CQlmGeometryAxial* axial = this->AxialCuts.AddTail();
  axial->SetObject(object);
  axial->SetWindow(this->WindowAxial);
  axial->SetInput(this->Image);
  axial->SetColor(color[0], color[1], color[2]);
  axial->AddToRenderer();
  axial->SetVisibility(0);

  CQlmGeometryPanoramic* panoramic = this->PanoramicCuts.AddTail();
  panoramic->SetObject(object);
  panoramic->SetWindow(this->WindowPanoramic);
  panoramic->SetInput(this->Image, this->Calculator);
  panoramic->SetThick(this->PanoramicThick);
  panoramic->SetColor(color[0], color[1], color[2]);
  panoramic->AddToRenderer();
  panoramic->SetVisibility(0);
}

void CQlmGeometries::SetAxialIndex(int index) {
  this->AxialIndex = index;
  this->AxialCuts.ForEach([index](CQlmGeometryAxial* cut) { cut->SetAxialIndex(index); });
}

void CQlmGeometries::SetCrossIndex(int index) {
  this->CrossIndex = index;
  this->CrossCuts.ForEach([index](CQlmGeometryCross9* cut) { cut->SetCrossIndex(index); });
}

void CQlmGeometries::SetCrossSpacing(float spacing) {
  this->CrossCuts.ForEach([spacing](CQlmGeometryCross9* cut) { cut->SetCrossSpacing(spacing); });
  this->SectionSpacing = spacing;
}

void CQlmGeometries::SetSingleCrossSection(int on) {
  this->CrossCuts.ForEach([on](CQlmGeometryCross9* cut) { cut->SetSingleCrossSection(on); });
}

void CQlmGeometries::SetPanoramicThick(int on) {
  this->PanoramicThick = on;
  this->PanoramicCuts.ForEach([on](CQlmGeometryPanoramic* cut) { cut->SetThick(on); });
}

void CQlmGeometries::InvalidateCrossSections() {
  this->CrossCuts.ForEach([](CQlmGeometryCross9* cut) { cut->Invalidate(); });
}

void CQlmGeometries::UpdateCutters() {
  this->CrossCuts.ForEach([](CQlmGeometryCross9* cut) { cut->UpdateCutters(); });
}

void CQlmGeometries::FollowReformat(int thickPanoramic, int singleSection, float crossSpacing, int axialSlice,
                                    int firstSection, int curve) {
  QlmFollowReformat(*this, thickPanoramic, singleSection, crossSpacing, axialSlice, firstSection, curve);
}

void CQlmGeometries::ShowInPanoramic(int shown) {
  this->PanoramicCuts.ForEach([shown](CQlmGeometryPanoramic* panoramic) {
    if (shown)
      panoramic->AddToRenderer();
    else
      panoramic->RemoveFromRenderer();
  });
}
