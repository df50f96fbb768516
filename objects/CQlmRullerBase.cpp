#include "objects/CQlmRullerBase.h"

#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkMatrix4x4.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>

#include <algorithm>

#include "platform/CArchive.h"
#include "toolkit/vtkRullerSource.h"
#include "toolkit/vtkWin32TextMapper2.h"

namespace {

constexpr float UniformColour[3] = {1.0f, 1.0f, 0.5f};
constexpr float BoxLightening = 0.3f;
constexpr double LineWidth = 3.0;

}  // namespace

CQlmRullerBase::CQlmRullerBase() {
  this->LineMapper->SetInputConnection(this->Source->GetOutputPort(0));
  this->Tip1Mapper->SetInputConnection(this->Source->GetOutputPort(1));
  this->Tip2Mapper->SetInputConnection(this->Source->GetOutputPort(2));
  this->LineActor->SetMapper(this->LineMapper);
  this->Tip1Actor->SetMapper(this->Tip1Mapper);
  this->Tip2Actor->SetMapper(this->Tip2Mapper);
  for (vtkActor* actor : {this->LineActor.GetPointer(), this->Tip1Actor.GetPointer(), this->Tip2Actor.GetPointer()}) {
    actor->SetUserMatrix(this->UserMatrix);
    actor->GetProperty()->SetLineWidth(LineWidth);
    // Lines have no normals: their colour is shown as it is.
    actor->GetProperty()->LightingOff();
  }
  this->SetSelected(1);
  this->ApplyColors();
}

CQlmRullerBase::~CQlmRullerBase() = default;

vtkActor2D* CQlmRullerBase::GetLabelActor() const { return this->Source->GetLabelActor(); }

void CQlmRullerBase::SetColor(float r, float g, float b) {
  this->Color[0] = r;
  this->Color[1] = g;
  this->Color[2] = b;
  if (!this->UniformColor) this->ApplyColors();
}

void CQlmRullerBase::SetSelected(int selected) {
  this->Selected = selected;
  this->Source->GetTextMapper()->SetBold(selected);
  this->Source->GetTextMapper()->SetItalic(selected);
}

void CQlmRullerBase::SetLabelBackground(int on) {
  this->Source->GetTextMapper()->SetBackground(on);
  this->ApplyColors();
}

void CQlmRullerBase::SetUniformColor(int on) {
  this->UniformColor = on;
  this->ApplyColors();
}

void CQlmRullerBase::ApplyColors() {
  const float* colour = this->UniformColor ? UniformColour : this->Color;
  for (vtkActor* actor : {this->LineActor.GetPointer(), this->Tip1Actor.GetPointer(), this->Tip2Actor.GetPointer()}) {
    actor->GetProperty()->SetColor(colour[0], colour[1], colour[2]);
  }
  vtkWin32TextMapper2* label = this->Source->GetTextMapper();
  if (!label->GetBackground()) {
    label->SetColor(colour[0], colour[1], colour[2]);
    return;
  }
  label->SetColor(0.0, 0.0, 0.0);
  // The uniform colour is its own box.
  const float lightening = this->UniformColor ? 0.0f : BoxLightening;
  label->SetColorBackground(std::min(colour[0] + lightening, 1.0f), std::min(colour[1] + lightening, 1.0f),
                            std::min(colour[2] + lightening, 1.0f));
}

void CQlmRullerBase::SetPickable(int on) {
  this->LineActor->SetPickable(on);
  this->Tip1Actor->SetPickable(on);
  this->Tip2Actor->SetPickable(on);
  this->GetLabelActor()->SetPickable(on);
}

bool CQlmRullerBase::OwnsActor(const vtkActor* actor) const {
  return actor && (actor == this->LineActor || actor == this->Tip1Actor || actor == this->Tip2Actor);
}

void CQlmRullerBase::AddProps(vtkRenderer* renderer) const {
  if (!renderer) return;
  renderer->AddActor(this->LineActor);
  renderer->AddActor(this->Tip1Actor);
  renderer->AddActor(this->Tip2Actor);
  renderer->AddViewProp(this->GetLabelActor());
}

void CQlmRullerBase::RemoveProps(vtkRenderer* renderer) const {
  if (!renderer) return;
  renderer->RemoveActor(this->LineActor);
  renderer->RemoveActor(this->Tip1Actor);
  renderer->RemoveActor(this->Tip2Actor);
  renderer->RemoveViewProp(this->GetLabelActor());
}

void CQlmRullerBase::ShowProps(int visible) const {
  this->LineActor->SetVisibility(visible);
  this->Tip1Actor->SetVisibility(visible);
  this->Tip2Actor->SetVisibility(visible);
  this->GetLabelActor()->SetVisibility(visible);
}

void CQlmRullerBase::Serialize(CArchive& archive) {
  vtkRullerSource* source = this->Source;
  if (archive.IsStoring()) {
    const float* p1 = source->GetPoint1();
    const float* p2 = source->GetPoint2();
    archive << p1[0] << p1[1] << p1[2] << p2[0] << p2[1] << p2[2];
    archive << this->Color[0] << this->Color[1] << this->Color[2];
    archive << int32_t(this->Selected) << int32_t(this->OwnSlice) << int32_t(this->CurrentSlice);
    return;
  }
  float p1[3], p2[3], colour[3];
  int32_t selected = 0, own = 0, current = 0;
  archive >> p1[0] >> p1[1] >> p1[2] >> p2[0] >> p2[1] >> p2[2];
  archive >> colour[0] >> colour[1] >> colour[2];
  archive >> selected >> own >> current;
  source->SetPoint1(p1);
  source->SetPoint2(p2);
  this->SetColor(colour[0], colour[1], colour[2]);
  this->SetSelected(selected);
  this->OwnSlice = own;
  this->CurrentSlice = current;
  source->CalcSize();
}
