#include "views/CQlmIndicatorAxialCross.h"

#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkRenderer.h>

#include "platform/QlmNumberFormat.h"
#include "toolkit/QlmIndexRange.h"
#include "views/CQlm3DWindow9.h"
#include "views/QlmIndicatorGeometry.h"

CQlmIndicatorAxialCross::CQlmIndicatorAxialCross() : CQlmIndicatorMember(9, 1, 2) {
  this->LineMapper->SetInputData(this->Line);
  this->LineActor->SetMapper(this->LineMapper);
  this->SetColor(1, 0, 0);
  this->SetLabelColor(1, 0, 0);
  this->AddGeometryActor(this->LineActor);
}

CQlmIndicatorAxialCross::~CQlmIndicatorAxialCross() = default;

void CQlmIndicatorAxialCross::AddToWindow() {
  if (!this->Window) return;
  for (vtkRenderer* renderer : this->Window->Renderer1) {
    renderer->AddActor(this->LineActor);
    renderer->AddActor2D(this->LabelActor);
  }
}

void CQlmIndicatorAxialCross::RemoveFromWindow() {
  if (!this->Window) return;
  for (vtkRenderer* renderer : this->Window->Renderer1) {
    renderer->RemoveActor(this->LineActor);
    renderer->RemoveActor2D(this->LabelActor);
  }
}

void CQlmIndicatorAxialCross::SetIndex(int index) {
  if (this->Range.SetIndex(index)) this->Rebuild();
}

void CQlmIndicatorAxialCross::SetHeight(float height) {
  if (this->Range.SetHeight(height)) this->Rebuild();
}

void CQlmIndicatorAxialCross::SetSpacing(float spacing) {
  if (this->Range.SetSpacing(spacing)) this->Rebuild();
}

void CQlmIndicatorAxialCross::SetWidth(float width) {
  if (!QlmIndexRange::IsUsableLength(width)) return;
  this->Width = width;
  this->Rebuild();
}

void CQlmIndicatorAxialCross::Rebuild() {
  const float y = this->Range.GetY();
  QlmIndicatorGeometry::SetSegments(this->Line, {{-this->Width / 2, y, 0}, {this->Width / 2, y, 0}});
  this->SetLabelText(QlmNumberFormat::Format("%.2f", this->Range.GetLevel(this->LevelOffset)).c_str());
  this->SetLabelPosition(this->Width / 2 - 4, y, 0);
}
