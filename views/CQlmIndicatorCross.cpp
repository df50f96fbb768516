#include "views/CQlmIndicatorCross.h"

#include "views/CQlmIndicatorCross3D.h"
#include "views/CQlmIndicatorCrossAxial.h"
#include "views/CQlmIndicatorCrossPan.h"

CQlmIndicatorCross::CQlmIndicatorCross()
    : CrossAxial(CQlmIndicatorCrossAxial::New()),
      CrossPan(CQlmIndicatorCrossPan::New()),
      Cross3D(CQlmIndicatorCross3D::New()) {}

CQlmIndicatorCross::~CQlmIndicatorCross() {
  CQlmIndicatorCrossLines::Delete(this->CrossAxial);
  CQlmIndicatorCrossLines::Delete(this->CrossPan);
  CQlmIndicatorMember::Delete(this->Cross3D);
}

void CQlmIndicatorCross::SetIndex(int index) {
  this->CrossAxial->SetIndex(index);
  this->CrossPan->SetIndex(index);
  this->Cross3D->SetIndex(index);
}

void CQlmIndicatorCross::SetHeight(float height) {
  this->CrossPan->SetHeight(height);
  this->Cross3D->SetHeight(height);
}

void CQlmIndicatorCross::SetCalc(CQlmPanoramicCalc* calc) {
  this->Calc = calc;
  this->CrossAxial->SetCalc(calc);
  this->CrossPan->SetCalc(calc);
  this->Cross3D->SetCalc(calc);
}

void CQlmIndicatorCross::SetWidth(float width) {
  this->CrossAxial->SetWidth(width);
  this->Cross3D->SetWidth(width);
}

void CQlmIndicatorCross::SetSpacing(float spacing) {
  this->CrossAxial->SetSpacing(spacing);
  this->CrossPan->SetSpacing(spacing);
  this->Cross3D->SetSpacing(spacing);
}

void CQlmIndicatorCross::SetLabelVisibility(int visible) {
  this->CrossAxial->SetLabelVisibility(visible);
  this->CrossPan->SetLabelVisibility(visible);
  this->Cross3D->SetLabelVisibility(visible);
}

void CQlmIndicatorCross::SetColor(float r, float g, float b) {
  for (CQlmIndicatorCrossLines* lines : {static_cast<CQlmIndicatorCrossLines*>(this->CrossAxial),
                                         static_cast<CQlmIndicatorCrossLines*>(this->CrossPan)}) {
    lines->SetColor(r, g, b);
    lines->SetNeighborLinesColor(r, g, b);
    lines->SetAllSectionsColor(r, g, b);
    lines->SetAllSectionsLabelColor(r, g, b);
  }
  this->Cross3D->SetColor(r, g, b);
}

void CQlmIndicatorCross::SetLabelColor(float r, float g, float b) {
  for (CQlmIndicatorCrossLines* lines : {static_cast<CQlmIndicatorCrossLines*>(this->CrossAxial),
                                         static_cast<CQlmIndicatorCrossLines*>(this->CrossPan)}) {
    lines->SetLabelColor(r, g, b);
    lines->SetNeighborLabelsColor(r, g, b);
    lines->SetAllSectionsLabelColor(r, g, b);
  }
  this->Cross3D->SetLabelColor(r, g, b);
}

void CQlmIndicatorCross::Update() {
  this->CrossAxial->Rebuild();
  this->CrossPan->Rebuild();
  this->Cross3D->Rebuild();
}
