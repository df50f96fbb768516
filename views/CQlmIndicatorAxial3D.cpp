#include "views/CQlmIndicatorAxial3D.h"

#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>

#include "platform/QlmNumberFormat.h"
#include "views/CQlm3DWindow.h"
#include "views/QlmIndicatorGeometry.h"

CQlmIndicatorAxial3D::CQlmIndicatorAxial3D() : CQlmIndicatorMember(10, 1, 1) {
  this->Range.Index = this->Range.Count / 2;
  this->SquareMapper->SetInputData(this->Square);
  this->SquareActor->SetMapper(this->SquareMapper);
  this->SetColor(1, 0, 0);
  this->SetLabelColor(1, 0, 0);
  this->AddGeometryActor(this->SquareActor);
}

CQlmIndicatorAxial3D::~CQlmIndicatorAxial3D() = default;

void CQlmIndicatorAxial3D::AddToWindow() {
  if (!this->Window) return;
  this->Window->Renderer3->AddActor(this->SquareActor);
  this->Window->Renderer1->AddActor2D(this->LabelActor);
}

void CQlmIndicatorAxial3D::RemoveFromWindow() {
  if (!this->Window) return;
  this->Window->Renderer3->RemoveActor(this->SquareActor);
  this->Window->Renderer1->RemoveActor2D(this->LabelActor);
}

void CQlmIndicatorAxial3D::SetIndex(int index) {
  if (this->Range.SetIndex(index)) this->Rebuild();
}

void CQlmIndicatorAxial3D::SetHeight(float height) {
  if (this->Range.SetHeight(height)) this->Rebuild();
}

void CQlmIndicatorAxial3D::SetSpacing(float spacing) {
  if (this->Range.SetSpacing(spacing)) this->Rebuild();
}

void CQlmIndicatorAxial3D::SetSize(float x, float y) {
  this->SizeX = x;
  this->SizeY = y;
  this->Rebuild();
}

void CQlmIndicatorAxial3D::SetCenter(double x, double y, double z) {
  this->Center[0] = x;
  this->Center[1] = y;
  this->Center[2] = z;
  this->Rebuild();
}

void CQlmIndicatorAxial3D::SetTransparent(int on) {
  this->SquareActor->GetProperty()->SetOpacity(on ? 0.65 : 1.0);
  this->Transparent = on;
}

void CQlmIndicatorAxial3D::Rebuild() {
  const CQlmIndicatorAxialRange& range = this->Range;
  const double z = this->Center[2] - (range.Count * range.Spacing) / 2 + range.Spacing / 2 + range.Index * range.Spacing;
  const double left = this->Center[0] - this->SizeX / 2;
  const double right = this->Center[0] + this->SizeX / 2;
  const double front = this->Center[1] - this->SizeY / 2;
  const double back = this->Center[1] + this->SizeY / 2;
  QlmIndicatorGeometry::SetPolygons(this->Square, {{left, front, z}, {left, back, z}, {right, back, z}, {right, front, z}},
                                    {{0, 1, 2, 3}});
  this->SetLabelText(QlmNumberFormat::Format("%.2f", range.GetLevel(this->LevelOffset)).c_str());
  this->SetLabelPosition(right, front, z);
}
