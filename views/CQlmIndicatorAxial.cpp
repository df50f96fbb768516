#include "views/CQlmIndicatorAxial.h"

#include "views/CQlmIndicatorAxial3D.h"
#include "views/CQlmIndicatorAxialCross.h"
#include "views/CQlmIndicatorAxialPan.h"

CQlmIndicatorAxial::CQlmIndicatorAxial()
    : AxialPan(CQlmIndicatorAxialPan::New()),
      AxialCross(CQlmIndicatorAxialCross::New()),
      Axial3D(CQlmIndicatorAxial3D::New()) {}

CQlmIndicatorAxial::~CQlmIndicatorAxial() {
  CQlmIndicatorMember::Delete(this->AxialPan);
  CQlmIndicatorMember::Delete(this->AxialCross);
  CQlmIndicatorMember::Delete(this->Axial3D);
}

void CQlmIndicatorAxial::SetIndex(int index) {
  this->AxialPan->SetIndex(index);
  this->AxialCross->SetIndex(index);
  this->Axial3D->SetIndex(index);
}

void CQlmIndicatorAxial::SetHeight(float height) {
  this->AxialPan->SetHeight(height);
  this->AxialCross->SetHeight(height);
  this->Axial3D->SetHeight(height);
}

void CQlmIndicatorAxial::SetSpacing(float spacing) {
  this->AxialPan->SetSpacing(spacing);
  this->AxialCross->SetSpacing(spacing);
  this->Axial3D->SetSpacing(spacing);
}

void CQlmIndicatorAxial::SetLabelVisibility(int visible) {
  this->AxialPan->SetLabelVisibility(visible);
  this->AxialCross->SetLabelVisibility(visible);
  this->Axial3D->SetLabelVisibility(visible);
}

void CQlmIndicatorAxial::Update() {
  this->AxialPan->Rebuild();
  this->AxialCross->Rebuild();
  this->Axial3D->Rebuild();
}
