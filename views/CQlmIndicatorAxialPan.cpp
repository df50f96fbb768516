#include "views/CQlmIndicatorAxialPan.h"

#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkRenderer.h>

#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLineBase.h"
#include "platform/QlmNumberFormat.h"
#include "views/CQlm3DWindow.h"
#include "views/QlmIndicatorGeometry.h"

CQlmIndicatorAxialPan::CQlmIndicatorAxialPan() : CQlmIndicatorMember(9, 1, 2) {
  this->LineMapper->SetInputData(this->Line);
  this->LineActor->SetMapper(this->LineMapper);
  this->SetColor(1, 0, 0);
  this->SetLabelColor(1, 0, 0);
  this->AddGeometryActor(this->LineActor);
}

CQlmIndicatorAxialPan::~CQlmIndicatorAxialPan() { this->RemoveFromWindow(); }

void CQlmIndicatorAxialPan::AddToWindow() {
  if (!this->Window) return;
  this->Window->Renderer1->AddActor(this->LineActor);
  this->Window->Renderer1->AddActor2D(this->LabelActor);
}

void CQlmIndicatorAxialPan::RemoveFromWindow() {
  if (!this->Window) return;
  this->Window->Renderer1->RemoveActor(this->LineActor);
  this->Window->Renderer1->RemoveActor2D(this->LabelActor);
}

void CQlmIndicatorAxialPan::SetIndex(int index) {
  if (this->Range.SetIndex(index)) this->Rebuild();
}

void CQlmIndicatorAxialPan::SetHeight(float height) {
  if (this->Range.SetHeight(height)) this->Rebuild();
}

void CQlmIndicatorAxialPan::SetSpacing(float spacing) {
  if (this->Range.SetSpacing(spacing)) this->Rebuild();
}

void CQlmIndicatorAxialPan::SetCalc(CQlmPanoramicCalc* calc) {
  this->Calc = calc;
  if (calc) this->Width = calc->GetArchLength();
  this->Rebuild();
}

void CQlmIndicatorAxialPan::Rebuild() {
  if (this->AttachedPolyLine)
    this->Width = this->AttachedPolyLine->GetLength();
  else if (this->Calc)
    this->Width = this->Calc->GetArchLength();
  const float y = this->Range.GetY();
  QlmIndicatorGeometry::SetSegments(this->Line, {{-this->Width / 2, y, 0}, {this->Width / 2, y, 0}});
  this->SetLabelText(QlmNumberFormat::Format("%.2f", this->Range.GetLevel(this->LevelOffset)).c_str());
  this->SetLabelPosition(this->Width / 2 - 9, y, 0);
}
