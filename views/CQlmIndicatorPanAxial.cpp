#include "views/CQlmIndicatorPanAxial.h"

#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkRenderer.h>

#include "ct/CQlmPanoramicCalc.h"
#include "views/CQlm3DWindow.h"
#include "views/QlmIndicatorLabels.h"

CQlmIndicatorPanAxial::CQlmIndicatorPanAxial() : CQlmIndicatorMember(9, 2, 1) {
  this->CurveActor->SetMapper(this->CurveMapper);
  this->CurveActor->PickableOff();
  this->SetColor(0, 1, 0);
  this->SetLabelColor(0, 1, 0);
  this->AddGeometryActor(this->CurveActor);
}

CQlmIndicatorPanAxial::~CQlmIndicatorPanAxial() { this->RemoveFromWindow(); }

void CQlmIndicatorPanAxial::AddToWindow() {
  if (!this->Window) return;
  this->Window->Renderer1->AddActor(this->CurveActor);
  this->Window->Renderer1->AddActor2D(this->LabelActor);
}

void CQlmIndicatorPanAxial::RemoveFromWindow() {
  if (!this->Window) return;
  this->Window->Renderer1->RemoveActor(this->CurveActor);
  this->Window->Renderer1->RemoveActor2D(this->LabelActor);
}

void CQlmIndicatorPanAxial::SetCalc(CQlmPanoramicCalc* calc) {
  this->Calc = calc;
  this->CurveMapper->SetInputData(calc ? calc->GetCurvePolyData() : nullptr);
}

void CQlmIndicatorPanAxial::UpdateLabel() {
  if (!this->Calc) return;
  vtkPolyData* curve = this->Calc->GetCurvePolyData();
  if (curve->GetNumberOfPoints() < 2) {
    this->SetLabelText("");
    return;
  }
  this->SetLabelText(QlmIndicatorLabels::CurveOffset(*this->Calc).c_str());
  double point[3];
  curve->GetPoint(1, point);
  this->SetLabelPosition(point[0] - 2, point[1], point[2]);
}
