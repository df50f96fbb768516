#include "objects/CQlmHUGrid.h"

#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkCoordinate.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>

#include "ct/CQlmLayeredWindow.h"
#include "toolkit/vtkHUGridSource.h"
#include "toolkit/vtkRullerWindowHU.h"
#include "toolkit/vtkWin32TextMapper2.h"

namespace {
constexpr int LineLayer = 1;
constexpr int LabelFontSize = 9;
constexpr int LabelMargin = 5;
}  // namespace

CQlmHUGrid::CQlmHUGrid() {
  this->LabelMapper->SetFontSize(LabelFontSize);
  this->LabelMapper->SetVerticalJustification(1);
  this->LabelActor->SetMapper(this->LabelMapper);
  this->LabelActor->GetPositionCoordinate()->SetCoordinateSystemToWorld();
  this->Mapper->SetInputConnection(this->Source->GetOutputPort());
  this->Actor->SetMapper(this->Mapper);
  this->Actor->GetProperty()->SetLineWidth(1.0);
  this->Actor->GetProperty()->LightingOff();
}

CQlmHUGrid::~CQlmHUGrid() = default;

void CQlmHUGrid::AddToRenderer() {
  vtkRenderer* renderer = this->Window ? this->Window->GetLayerRenderer(LineLayer) : nullptr;
  if (!renderer) return;
  renderer->AddActor(this->Actor);
  renderer->AddViewProp(this->LabelActor);
}

void CQlmHUGrid::RemoveAndDelete() {
  if (vtkRenderer* renderer = this->Window ? this->Window->GetLayerRenderer(LineLayer) : nullptr) {
    renderer->RemoveActor(this->Actor);
    renderer->RemoveViewProp(this->LabelActor);
  }
  delete this;
}

void CQlmHUGrid::UpdateLabelPosition() {
  vtkHUGridSource* grid = this->Source;
  const double middle = (grid->GetBoneMax() - grid->GetBoneMin()) * 0.5 + grid->GetBoneMin();
  this->LabelActor->GetPositionCoordinate()->SetValue(grid->GetHorzSize() / 2 + LabelMargin,
                                                      vtkRullerWindowHU::HeightOf(middle), 0.0);
}
