#include "views/CQlmIndicatorPanCross.h"

#include <cmath>
#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkRenderer.h>

#include "ct/CQlmPanoramicCalc.h"
#include "platform/QlmNumberFormat.h"
#include "views/CQlm3DWindow9.h"
#include "views/QlmIndicatorGeometry.h"
#include "views/QlmIndicatorLabels.h"

CQlmIndicatorPanCross::CQlmIndicatorPanCross() : CQlmIndicatorMember(9, 2, 1) {
  this->SetColor(0, 1, 0);
  this->SetLabelColor(0, 1, 0);
  for (int cell = 0; cell < CellCount; ++cell) {
    this->MarkMappers[cell]->SetInputData(this->Marks[cell]);
    this->MarkActors[cell]->SetMapper(this->MarkMappers[cell]);
    this->AddGeometryActor(this->MarkActors[cell]);
  }
}

CQlmIndicatorPanCross::~CQlmIndicatorPanCross() = default;

void CQlmIndicatorPanCross::AddToWindow() {
  if (!this->Window) return;
  for (int cell = 0; cell < CellCount; ++cell) {
    this->Window->Renderer1[cell]->AddActor(this->MarkActors[cell]);
    this->Window->Renderer1[cell]->AddActor2D(this->LabelActor);
  }
}

void CQlmIndicatorPanCross::RemoveFromWindow() {
  if (!this->Window) return;
  for (int cell = 0; cell < CellCount; ++cell) {
    this->Window->Renderer1[cell]->RemoveActor(this->MarkActors[cell]);
    this->Window->Renderer1[cell]->RemoveActor2D(this->LabelActor);
  }
}

void CQlmIndicatorPanCross::SetCalc(CQlmPanoramicCalc* calc) {
  this->Calc = calc;
  this->Rebuild();
}

void CQlmIndicatorPanCross::SetHeight(float length) {
  if (!std::isfinite(length) || length < 0.0f) return;
  this->MarkLength = length;
  this->Rebuild();
}

void CQlmIndicatorPanCross::Rebuild() {
  if (!this->Calc) return;
  const double x = QlmIndicatorLabels::CurveOffsetMm(*this->Calc);
  const double half = this->MarkLength / 2;
  for (vtkPolyData* mark : this->Marks) QlmIndicatorGeometry::SetSegments(mark, {{x, half, 0}, {x, -half, 0}});
  this->SetLabelText(QlmNumberFormat::Format("%.2f", x).c_str());
  this->SetLabelPosition(x - 0.5, half - 5, 0);
}
