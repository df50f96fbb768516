#include "views/CQlmIndicatorPan.h"

#include "ct/CQlmPanoramicCalc.h"
#include "views/CQlmIndicatorPan3D.h"
#include "views/CQlmIndicatorPanAxial.h"
#include "views/CQlmIndicatorPanCross.h"

CQlmIndicatorPan::CQlmIndicatorPan()
    : PanAxial(CQlmIndicatorPanAxial::New()),
      PanCross(CQlmIndicatorPanCross::New()),
      Pan3D(CQlmIndicatorPan3D::New()) {}

CQlmIndicatorPan::~CQlmIndicatorPan() {
  CQlmIndicatorMember::Delete(this->PanAxial);
  CQlmIndicatorMember::Delete(this->PanCross);
  CQlmIndicatorMember::Delete(this->Pan3D);
}

void CQlmIndicatorPan::SetHeight(float height) {
  this->PanCross->SetHeight(height);
  this->Pan3D->SetHeight(height);
}

void CQlmIndicatorPan::SetCalc(CQlmPanoramicCalc* calc) {
  this->Calc = calc;
  this->PanAxial->SetCalc(calc);
  this->PanCross->SetCalc(calc);
  this->Pan3D->SetCalc(calc);
}

void CQlmIndicatorPan::RebuildCurveMarks() {
  this->PanCross->Rebuild();
  this->Pan3D->Rebuild();
}

void CQlmIndicatorPan::SetCurrentCurve(int k) {
  if (!this->Calc) return;
  this->Calc->SetCurrentCurve(k);
  this->RebuildCurveMarks();
}

void CQlmIndicatorPan::SetCurveSpacing(float spacing) {
  if (!this->Calc) return;
  this->Calc->SetCurveSpacing(spacing);
  this->RebuildCurveMarks();
}

void CQlmIndicatorPan::SetNumberOfCurves(int count) {
  if (!this->Calc) return;
  this->Calc->SetNumberOfCurves(count);
  this->RebuildCurveMarks();
}

void CQlmIndicatorPan::SetLabelVisibility(int visible) {
  this->PanAxial->SetLabelVisibility(visible);
  this->PanCross->SetLabelVisibility(visible);
  this->Pan3D->SetLabelVisibility(visible);
}

void CQlmIndicatorPan::Update() {
  this->PanCross->Rebuild();
  this->PanAxial->UpdateLabel();
  this->Pan3D->Rebuild();
}
