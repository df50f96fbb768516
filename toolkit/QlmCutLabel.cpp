#include "toolkit/QlmCutLabel.h"

#include <vtkActor2D.h>
#include <vtkCoordinate.h>

#include <string>

#include "toolkit/vtkWin32TextMapper2.h"

QlmCutLabel::QlmCutLabel() {
  this->TextMapper->SetFontSize(12);
  this->TextMapper->SetJustification(0);
  this->TextMapper->SetVerticalJustification(1);
  this->TextMapper->SetShadow(1);
  this->TextMapper->SetBold(1);
  this->TextMapper->SetColor(1.0, 1.0, 0.7);
  this->Update(std::string());
}

QlmCutLabel::~QlmCutLabel() = default;

void QlmCutLabel::Update(const std::string& description) {
  if (this->Mode == 0) {
    this->TextMapper->SetFontSize(this->FontSize + 4);
    this->TextMapper->SetInput(std::to_string(this->Number).c_str());
  } else if (this->Mode == 1) {
    this->TextMapper->SetFontSize(this->FontSize);
    this->TextMapper->SetInput(description.c_str());
  } else {
    this->TextMapper->SetInput("");
  }
}

void QlmCutLabel::SetUp(vtkActor2D* label) const {
  label->SetMapper(this->TextMapper);
  label->GetPositionCoordinate()->SetCoordinateSystemToWorld();
}
